#include "core/gbk.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <QStringDecoder>
#include <QStringEncoder>
#endif

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

#ifdef _WIN32
// Qt for Windows is built without ICU and knows no GBK; Windows itself does,
// as code page 936.
constexpr UINT gbkCodePage = 936;

// Nothing when a byte sequence has no character: Windows refuses the whole
// text then, rather than guess.
QString decodeAll(std::string_view gbk)
{
    if (gbk.empty())
        return {};
    const int size = MultiByteToWideChar(gbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), int(gbk.size()), nullptr, 0);
    if (size <= 0)
        return {};
    QString text(size, Qt::Uninitialized);
    MultiByteToWideChar(gbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), int(gbk.size()),
                        reinterpret_cast<wchar_t *>(text.data()), size);
    return text;
}

// The GBK bytes of the text, and whether every character had them. No best
// fit: a character GBK lacks becomes "?" rather than a look-alike.
GbkEncoding encodeAll(QStringView text)
{
    if (text.isEmpty())
        return {};
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    BOOL replaced = FALSE;
    const int size =
        WideCharToMultiByte(gbkCodePage, WC_NO_BEST_FIT_CHARS, wide, int(text.size()), nullptr, 0, "?", &replaced);
    Text bytes(std::size_t(std::max(size, 0)), '\0');
    if (size > 0)
        WideCharToMultiByte(gbkCodePage, WC_NO_BEST_FIT_CHARS, wide, int(text.size()), bytes.data(), size, "?",
                            nullptr);
    return {std::move(bytes), size > 0 && !replaced};
}

// One "?" for each character GBK lacks, however many UTF-16 units it takes,
// as the conversion elsewhere writes it.
GbkEncoding encodeEachCharacter(QStringView text)
{
    GbkEncoding encoding;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype units =
            text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate() ? 2 : 1;
        const GbkEncoding character = encodeAll(text.mid(at, units));
        encoding.bytes += character.exact ? character.bytes : Text("?");
        encoding.exact = encoding.exact && character.exact;
        at += units;
    }
    return encoding;
}
#else
QString decodeAll(std::string_view gbk)
{
    QStringDecoder decoder("GBK");
    return decoder.decode(QByteArrayView(gbk.data(), qsizetype(gbk.size())));
}
#endif

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
#ifdef _WIN32
    GbkEncoding encoding = encodeAll(text);
    return encoding.exact ? encoding : encodeEachCharacter(text);
#else
    // Stateless: a text that ends in half a surrogate pair is an error, not
    // the start of a character that the next call would finish.
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return {Text(bytes.constData(), std::size_t(bytes.size())), !encoder.hasError()};
#endif
}

Text gbk(std::u8string_view utf8)
{
    const auto text = QString::fromUtf8(reinterpret_cast<const char *>(utf8.data()), qsizetype(utf8.size()));
    return encodeGbk(text).bytes;
}

}
