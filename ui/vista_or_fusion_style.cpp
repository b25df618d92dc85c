#include "ui/vista_or_fusion_style.h"

#include <QApplication>
#include <QStyleFactory>

namespace teaser {

void useVistaOrFusionStyle()
{
#ifdef _WIN32
    const QString name = QStringLiteral("windowsvista");
#else
    const QString name = QStringLiteral("Fusion");
#endif
    if (QStyle *style = QStyleFactory::create(name))
        QApplication::setStyle(style);
}

}
