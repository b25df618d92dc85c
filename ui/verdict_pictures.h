// The faces that 图片框1 shows for a verdict, and what a screen reader says
// of them.
#pragma once

#include "core/window.h"

#include <QPixmap>
#include <QString>

namespace teaser {

// A null pixmap for VerdictPicture::none.
QPixmap verdictPixmap(VerdictPicture picture);
QString verdictPictureName(VerdictPicture picture);

}
