#include "ui/verdict_pictures.h"

namespace teaser {

QPixmap verdictPixmap(VerdictPicture picture)
{
    switch (picture) {
    case VerdictPicture::none:
        return {};
    case VerdictPicture::correct:
        return QPixmap(QStringLiteral(":/ui/icons/correct.ico"), "ICO");
    case VerdictPicture::wrong:
        return QPixmap(QStringLiteral(":/ui/icons/wrong.ico"), "ICO");
    }
    return {};
}

QString verdictPictureName(VerdictPicture picture)
{
    switch (picture) {
    case VerdictPicture::none:
        return QStringLiteral("没有判定");
    case VerdictPicture::correct:
        return QStringLiteral("笑脸：答对了");
    case VerdictPicture::wrong:
        return QStringLiteral("哭脸：答错了");
    }
    return {};
}

}
