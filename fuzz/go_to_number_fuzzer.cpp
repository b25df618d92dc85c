// Feeds arbitrary bytes to the go-to number conversion and to the GBK decoder.
#include "core/gbk.h"
#include "quiz/go_to_number.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const auto number = teaser::goToNumber(text, 1262);
    // Digits are all a number is made of: text without any cannot be one.
    if (number && text.find_first_of("0123456789\xA3") == std::string::npos)
        std::abort();
    // Only questions the bank has.
    if (number && (*number < 1 || *number > 1262))
        std::abort();
    const QString decoded = teaser::decodeGbk(text);
    // Each byte becomes at most one character.
    if (decoded.size() > qsizetype(size))
        std::abort();
    return 0;
}
