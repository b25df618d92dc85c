// Reading the question number typed into the go-to box.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace teaser {

// The text (GBK) is read as a decimal number, with optional sign, fraction and
// exponent; spaces around it and full-width digits are accepted. The number is
// truncated toward zero through a 64-bit integer whose low 32 bits are the
// result. Nothing when the text is not such a number, or its value is beyond
// the range of a double or of a 64-bit integer.
std::optional<std::int32_t> goToNumber(std::string_view gbk);

}
