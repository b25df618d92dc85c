#include "ui/themed_style.h"

#include <QApplication>
#include <QStyleFactory>

namespace teaser {

void turnOnThemedStyle()
{
#ifdef _WIN32
    const QString themed = QStringLiteral("windowsvista");
#else
    const QString themed = QStringLiteral("Fusion");
#endif
    if (QStyle *style = QStyleFactory::create(themed))
        QApplication::setStyle(style);
}

}
