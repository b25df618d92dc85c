#pragma once

namespace teaser {

// Draws the controls in Windows' visual-styles look ("windowsvista") on
// Windows and in Qt's Fusion style everywhere else, so the fixed layout looks
// the same on every Linux desktop whatever its theme.
void useVistaOrFusionStyle();

}
