#include "ui/fonts.h"

#include <QStringList>

namespace teaser {

namespace {

QFont cjkFont(const QStringList &families, int pixelHeight)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}

QFont songFont(int pixelHeight)
{
    return cjkFont({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                    QStringLiteral("AR PL UMing CN")},
                   pixelHeight);
}

QFont defaultControlFont()
{
    return cjkFont({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC"),
                    QStringLiteral("AR PL UMing CN")},
                   12);
}

}
