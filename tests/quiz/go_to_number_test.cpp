#include "quiz/go_to_number.h"

#include <gtest/gtest.h>

namespace teaser {
namespace {

struct ConversionCase {
    std::string text;
    std::optional<std::int32_t> number;
};

TEST(GoToNumberTest, readsDecimalNumbersAndTruncatesThroughSixtyFourBits)
{
    const ConversionCase cases[] = {
        {"7", 7},
        {"007", 7},
        {"3.9", 3},
        {"-3.9", -3},
        {"-1", -1},
        {"0", 0},
        {".9", 0},
        {"5.", 5},
        {"1e3", 1000},
        {"1E+2", 100},
        {"25e-1", 2},
        {"+8", 8},
        {" \t12 \t", 12},
        {"\xA3\xB1\xA3\xB2", 12},
        {"2147483647", 2147483647},
        {"2147483648", -2147483647 - 1},
        {"4294967296", 0},
        {"4294967297", 1},
        {"-4294967295", 1},
        {"1e18", -1486618624}, // 0x0DE0B6B3A7640000: the low 32 bits are 0xA7640000
        {"9223372036854775807", std::nullopt}, // rounds to 2^63, beyond 64 bits
        {"1e19", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"1e999", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"1e", std::nullopt},
        {"e5", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"-inf", std::nullopt},
        {"0x10", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"1,000", std::nullopt},
        {"++1", std::nullopt},
        {"\xA3\xB1", 1},
        {"\xA3", std::nullopt},          // a lead byte cut short
        {"\xA3\xC1", std::nullopt},      // full-width A
        {"\xD2\xBB", std::nullopt},      // 一
        {std::string("1\0", 2), std::nullopt},
    };
    for (const ConversionCase &row : cases)
        EXPECT_EQ(goToNumber(row.text), row.number) << "text: " << ::testing::PrintToString(row.text);
}

TEST(GoToNumberTest, veryLongTextsAreHandled)
{
    EXPECT_EQ(goToNumber(std::string(1 << 20, '9')), std::nullopt);
    EXPECT_EQ(goToNumber(std::string(1 << 20, '0') + "5"), 5);
    EXPECT_EQ(goToNumber(std::string(1 << 20, 'x')), std::nullopt);
}

}
}
