// Putting the fixed window where the whole of it can be seen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace teaser {

// Where a window of this outer size goes: at the wanted place if it lies
// wholly inside the available area there, else moved in just far enough;
// where it cannot fit at all, at the area's top left, so that its title bar
// and its top rows stay in reach.
QPoint placeWithin(const QRect &available, const QSize &frame, const QPoint &wanted);

// Moves the window so, on the screen at the wanted place (or the primary
// screen), using its frame as far as it is known.
void moveOntoScreen(QWidget &window, const QPoint &wanted);

}
