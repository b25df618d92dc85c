#include "ui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace teaser {

QPoint placeWithin(const QRect &available, const QSize &frame, const QPoint &wanted)
{
    const int x =
        std::clamp(wanted.x(), available.left(), std::max(available.left(), available.right() + 1 - frame.width()));
    const int y =
        std::clamp(wanted.y(), available.top(), std::max(available.top(), available.bottom() + 1 - frame.height()));
    return {x, y};
}

void moveOntoScreen(QWidget &window, const QPoint &wanted)
{
    const QScreen *screen = QGuiApplication::screenAt(wanted);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect available = screen->availableGeometry();
    // A fractional scale rounds the screen's size in Qt's pixels up, which
    // would put the last row of real pixels just off the screen.
    const qreal ratio = screen->devicePixelRatio();
    if (ratio != std::floor(ratio))
        available.adjust(0, 0, -1, -1);
    // Before the window is shown its frame is not known yet: its size is
    // the best guess, and the frame is added once it is on screen.
    window.move(placeWithin(available, window.frameGeometry().size(), wanted));
}

}
