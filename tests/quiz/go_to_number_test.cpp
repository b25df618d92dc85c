#include "quiz/go_to_number.h"

#include <gtest/gtest.h>

namespace teaser {
namespace {

struct ConversionCase {
    std::string text;
    std::optional<std::int32_t> number; // in a bank of 300 questions
};

TEST(GoToNumberTest, readsDecimalNumbersAndTruncatesThoseInRange)
{
    const ConversionCase cases[] = {
        {"7", 7},
        {"007", 7},
        {"3.9", 3},
        {"1", 1},
        {"300", 300},
        {"300.99", 300},
        {"5.", 5},
        {"1E+2", 100},
        {"25e-1", 2},
        {"+8", 8},
        {" \t12 \t", 12},
        {"\xA3\xB1\xA3\xB2", 12},
        {"\xA3\xB1", 1},
        // Outside 1 to 300 before any conversion: no wrapping round to a question.
        {"0", std::nullopt},
        {".9", std::nullopt},
        {"0.999", std::nullopt},
        {"-1", std::nullopt},
        {"-3.9", std::nullopt},
        {"301", std::nullopt},
        {"1e3", std::nullopt},
        {"2147483647", std::nullopt},
        {"2147483648", std::nullopt},
        {"4294967297", std::nullopt},
        {"-4294967291", std::nullopt},
        {"-4294967295", std::nullopt},
        {"1e18", std::nullopt},
        {"9223372036854775807", std::nullopt},
        {"1e19", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"1e999", std::nullopt},
        // Not numbers.
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
        {"\xA3", std::nullopt},     // a lead byte cut short
        {"\xA3\xC1", std::nullopt}, // full-width A
        {"\xD2\xBB", std::nullopt}, // 一
        {std::string("1\0", 2), std::nullopt},
    };
    for (const ConversionCase &row : cases)
        EXPECT_EQ(goToNumber(row.text, 300), row.number) << "text: " << ::testing::PrintToString(row.text);
}

TEST(GoToNumberTest, theRangeIsTheActiveBanks)
{
    EXPECT_EQ(goToNumber("1e3", 1262), 1000);
    EXPECT_EQ(goToNumber("1262.5", 1262), 1262);
    EXPECT_EQ(goToNumber("1263", 1262), std::nullopt);
    EXPECT_EQ(goToNumber("2147483647", 2147483647), 2147483647);
    EXPECT_EQ(goToNumber("2147483647.9", 2147483647), 2147483647);
    EXPECT_EQ(goToNumber("2147483648", 2147483647), std::nullopt);
    EXPECT_EQ(goToNumber("1", 0), std::nullopt);
}

TEST(GoToNumberTest, veryLongTextsAreHandled)
{
    EXPECT_EQ(goToNumber(std::string(1 << 20, '9'), 300), std::nullopt);
    EXPECT_EQ(goToNumber(std::string(1 << 20, '0') + "5", 300), 5);
    EXPECT_EQ(goToNumber(std::string(1 << 20, 'x'), 300), std::nullopt);
}

}
}
