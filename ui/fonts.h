// The fonts of the window: Song style (宋体) where the window asks for it.
#pragma once

#include <QFont>

namespace teaser {

// 宋体 at the given character height in pixels, regular weight; falls back to
// an installed Song-style CJK font where 宋体 is missing.
QFont songFont(int pixelHeight);

// The font of every control that names none: a CJK font at 12 pixels, so each
// caption fits its fixed box.
QFont defaultControlFont();

}
