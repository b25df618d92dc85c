#include "core/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace teaser {

namespace {

// The length of the GBK character that starts at `at`: two bytes for a lead
// byte followed by a possible trail byte, else one.
std::size_t characterLength(std::string_view gbk, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(gbk[at]);
    if (lead < 0x81 || lead > 0xFE || at + 1 >= gbk.size())
        return 1;
    const auto trail = static_cast<unsigned char>(gbk[at + 1]);
    return trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 1;
}

// A byte from 0x81 up that does not start a two-byte character is no character.
bool isLoneHighByte(std::string_view gbk, std::size_t at, std::size_t length)
{
    return length == 1 && static_cast<unsigned char>(gbk[at]) >= 0x81;
}

// The number of characters, or -1 when a byte stands alone that cannot.
qsizetype characterCount(std::string_view gbk)
{
    qsizetype count = 0;
    for (std::size_t at = 0; at < gbk.size();) {
        const std::size_t length = characterLength(gbk, at);
        if (isLoneHighByte(gbk, at, length))
            return -1;
        at += length;
        ++count;
    }
    return count;
}

QString decodeAll(std::string_view gbk)
{
    QStringDecoder decoder("GBK");
    return decoder.decode(QByteArrayView(gbk.data(), qsizetype(gbk.size())));
}

// Going one character at a time puts a U+FFFD in place of each byte sequence
// that has no character, and keeps everything around it.
QString decodeWithReplacements(std::string_view gbk)
{
    QString text;
    for (std::size_t at = 0; at < gbk.size();) {
        const std::size_t length = characterLength(gbk, at);
        const QString character = isLoneHighByte(gbk, at, length) ? QString() : decodeAll(gbk.substr(at, length));
        text += character.size() == 1 ? character : QString(QChar::ReplacementCharacter);
        at += length;
    }
    return text;
}

}

// Every GBK character is one UTF-16 unit, so a decoded text shorter than the
// character count shows that the decoder dropped bytes it could not map.
QString decodeGbk(std::string_view gbk)
{
    const QString text = decodeAll(gbk);
    return text.size() == characterCount(gbk) ? text : decodeWithReplacements(gbk);
}

GbkEncoding encodeGbk(QStringView text)
{
    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder.encode(text);
    return {Text(bytes.constData(), std::size_t(bytes.size())), !encoder.hasError()};
}

Text gbk(std::u8string_view utf8)
{
    const auto text = QString::fromUtf8(reinterpret_cast<const char *>(utf8.data()), qsizetype(utf8.size()));
    return encodeGbk(text).bytes;
}

}
