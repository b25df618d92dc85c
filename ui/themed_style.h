#pragma once

namespace teaser {

// Draws the controls in the desktop's themed style.
void turnOnThemedStyle();

}
