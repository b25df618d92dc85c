// Reading the question number typed into the go-to box.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace teaser {

// The text (GBK) is read as a decimal number, with optional sign, fraction and
// exponent; spaces around it and full-width digits are accepted. A number
// from 1 up to, not including, questionCount + 1 is truncated toward zero to
// the question it names (12.7 is question 12). Nothing when the text is not
// such a number or the number lies outside that range, however large: the
// range is checked before any conversion, so no number wraps round to a
// question.
std::optional<std::int32_t> goToNumber(std::string_view gbk, std::int32_t questionCount);

}
