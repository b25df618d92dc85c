#include "core/path_text.h"

namespace teaser {

QString pathForDisplay(const std::filesystem::path &path)
{
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    const std::string &bytes = path.native();
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
#endif
}

QString shortenedInTheMiddle(const QString &text, qsizetype maxCharacters)
{
    if (text.size() <= maxCharacters)
        return text;
    const qsizetype kept = maxCharacters - 1;
    qsizetype head = kept / 2;
    qsizetype tail = kept - head;
    // Never split a character that takes two UTF-16 units.
    if (head > 0 && text.at(head - 1).isHighSurrogate())
        --head;
    if (tail > 0 && text.at(text.size() - tail).isLowSurrogate())
        --tail;
    return text.left(head) + QChar(0x2026) + text.right(tail);
}

}
