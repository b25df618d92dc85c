#include "quiz/go_to_number.h"

#include <charconv>
#include <string>

namespace teaser {

namespace {

// Full-width digits are GBK 0xA3 0xB0 to 0xA3 0xB9.
std::optional<std::string> toAsciiDigits(std::string_view gbk)
{
    std::string ascii;
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const auto byte = static_cast<unsigned char>(gbk[i]);
        if (byte < 0x80) {
            ascii += char(byte);
        } else if (byte == 0xA3 && i + 1 < gbk.size() && static_cast<unsigned char>(gbk[i + 1]) >= 0xB0
                   && static_cast<unsigned char>(gbk[i + 1]) <= 0xB9) {
            ascii += char('0' + (static_cast<unsigned char>(gbk[i + 1]) - 0xB0));
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return ascii;
}

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::size_t skipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
        ++at;
    return at;
}

// [+-] (digits [. digits] | . digits) [(e|E) [+-] digits], and nothing else.
bool isDecimalNumber(std::string_view text)
{
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    const std::size_t integerEnd = skipDigits(text, at);
    bool hasDigits = integerEnd > at;
    at = integerEnd;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionEnd = skipDigits(text, at + 1);
        hasDigits = hasDigits || fractionEnd > at + 1;
        at = fractionEnd;
    }
    if (!hasDigits)
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        const std::size_t exponentEnd = skipDigits(text, at);
        if (exponentEnd == at)
            return false;
        at = exponentEnd;
    }
    return at == text.size();
}

}

std::optional<std::int32_t> goToNumber(std::string_view gbk, std::int32_t questionCount)
{
    const auto ascii = toAsciiDigits(gbk);
    if (!ascii)
        return std::nullopt;
    std::string_view number = trimSpaces(*ascii);
    if (!isDecimalNumber(number))
        return std::nullopt;
    // from_chars takes no leading plus.
    if (number.front() == '+')
        number.remove_prefix(1);

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc() || !(value >= 1.0 && value < double(questionCount) + 1.0))
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}
