#include "banks/bank_text.h"

#include "support/scratch_directory.h"

#include <gtest/gtest.h>

#include <fstream>

namespace teaser {
namespace {

const BankContent &accepted(const BankResult &result)
{
    if (const auto *error = std::get_if<BankError>(&result))
        ADD_FAILURE() << "bank rejected with problem " << int(error->problem);
    static const BankContent none;
    const auto *content = std::get_if<BankContent>(&result);
    return content ? *content : none;
}

BankProblem problemOf(const BankResult &result)
{
    const auto *error = std::get_if<BankError>(&result);
    return error ? error->problem : BankProblem{-1};
}

TEST(BankTextTest, keepsEveryLineAsItStandsInTheFile)
{
    // The quirks a bank may hold: no separator, a leading space, a tab after
    // the separator, repeated and wrong numbers, trailing spaces, U+3000
    // (GBK A1 A1), a quote followed by a tab, quotes inside, an answer "0.1".
    const std::string lines[] = {
        "1Q without separator", "A1",  " 2.Q with leading space", "A2 ",        "3.\tQ after a tab",      "\"A3\"",
        "3.Q repeated number",  "0.1", "77.Q wrong number  ",     "A5\xA1\xA1", "6.Q \"quoted\" end\"\t", "A6",
    };
    std::string text = "6\r\n";
    for (const std::string &line : lines)
        text += line + "\r\n";

    const BankResult bankResult = parseBank(text);
    const BankContent &bank = accepted(bankResult);
    ASSERT_EQ(bank.count, 6);
    ASSERT_EQ(bank.lines.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i)
        EXPECT_EQ(bank.lines.at(i + 1), lines[i]) << "element " << i + 1;
}

TEST(BankTextTest, aFurtherEmptyLineAtTheEndChangesNothing)
{
    const std::string text = "2\r\n1.Q1\r\nA1\r\n2.Q2\r\nA2\r\n";
    const BankResult plainResult = parseBank(text);
    const BankContent &plain = accepted(plainResult);
    const BankResult paddedResult = parseBank(text + "\r\n");
    const BankContent &padded = accepted(paddedResult);
    EXPECT_EQ(plain.count, padded.count);
    for (std::size_t i = 1; i <= 4; ++i)
        EXPECT_EQ(plain.lines.at(i), padded.lines.at(i));
}

TEST(BankTextTest, lastLineMayLackItsCrLf)
{
    const BankResult bankResult = parseBank("1\r\nQ\r\nA");
    const BankContent &bank = accepted(bankResult);
    EXPECT_EQ(bank.count, 1);
    EXPECT_EQ(bank.lines.at(2), "A");
}

TEST(BankTextTest, linesBeyondTheCountAreKeptButNotCounted)
{
    const BankResult bankResult = parseBank("1\r\nQ\r\nA\r\nextra\r\n");
    const BankContent &bank = accepted(bankResult);
    EXPECT_EQ(bank.count, 1);
    EXPECT_EQ(bank.lines.size(), 3u);
}

TEST(BankTextTest, invalidGbkBytesAreKept)
{
    const BankResult bankResult = parseBank("1\r\n\x81\xFF\x80\r\n\xFE\r\n");
    const BankContent &bank = accepted(bankResult);
    EXPECT_EQ(bank.lines.at(1), "\x81\xFF\x80");
    EXPECT_EQ(bank.lines.at(2), "\xFE");
}

struct BadBankCase {
    const char *what;
    std::string text;
    BankProblem problem;
};

TEST(BankTextTest, rejectsTextsThatAreNoBank)
{
    const BadBankCase cases[] = {
        {"empty", "", BankProblem::empty},
        {"only CR LF", "\r\n", BankProblem::countNotNumber},
        {"letters", "abc\r\nQ\r\nA\r\n", BankProblem::countNotNumber},
        {"negative", "-5\r\nQ\r\nA\r\n", BankProblem::countNotNumber},
        {"plus sign", "+3\r\nQ\r\nA\r\n", BankProblem::countNotNumber},
        {"leading space", " 3\r\nQ\r\nA\r\n", BankProblem::countNotNumber},
        {"trailing space", "3 \r\nQ\r\nA\r\n", BankProblem::countNotNumber},
        {"fraction", "1.5\r\nQ\r\nA\r\n", BankProblem::countNotNumber},
        {"just over 32 bits", "2147483648\r\nQ\r\nA\r\n", BankProblem::countTooLarge},
        {"far over 32 bits", "99999999999\r\nQ\r\nA\r\n", BankProblem::countTooLarge},
        {"zero questions", "0\r\n", BankProblem::noQuestions},
        {"count larger than the lines", "3\r\nQ\r\nA\r\nQ\r\nA\r\nQ\r\n", BankProblem::tooFewLines},
        {"count without lines", "1\r\n", BankProblem::tooFewLines},
        {"LF line ends", "1\nQ\nA\n", BankProblem::notCrLf},
        {"lone CR line ends", "1\rQ\rA\r", BankProblem::notCrLf},
        {"zero byte", std::string("1\r\nQ\0\r\nA\r\n", 10), BankProblem::zeroByte},
        {"UTF-8 byte order mark",
         "\xEF\xBB\xBF"
         "1\r\nQ\r\nA\r\n",
         BankProblem::utf8Bom},
        {"UTF-16",
         std::string("\xFF\xFE"
                     "1\0\r\0\n\0",
                     8),
         BankProblem::utf16},
        {"a question line too long to show", "1\r\n" + std::string(4097, 'Q') + "\r\nA\r\n", BankProblem::lineTooLong},
        {"an answer line too long to show", "1\r\nQ\r\n" + std::string(4097, 'A') + "\r\n", BankProblem::lineTooLong},
    };
    for (const BadBankCase &row : cases)
        EXPECT_EQ(problemOf(parseBank(row.text)), row.problem) << row.what;
}

TEST(BankTextTest, tooFewLinesSaysHowManyPairsThereAre)
{
    const auto result = parseBank("4\r\nQ\r\nA\r\nQ\r\nA\r\nQ\r\n");
    const auto *error = std::get_if<BankError>(&result);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->count, 4);
    EXPECT_EQ(error->completePairs, 2);
}

TEST(BankTextTest, aLongLineIsNamedAndOnlyLinesThatAreShownCount)
{
    const auto result = parseBank("2\r\nQ1\r\nA1\r\nQ2\r\n" + std::string(5000, 'A') + "\r\n");
    const auto *error = std::get_if<BankError>(&result);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->problem, BankProblem::lineTooLong);
    EXPECT_EQ(error->line, 5);
    EXPECT_EQ(error->bytes, 5000u);

    // Lines after the last answer are never shown, so their length is theirs.
    EXPECT_EQ(problemOf(parseBank("1\r\nQ\r\n" + std::string(4096, 'A') + "\r\n" + std::string(9000, 'x'))),
              BankProblem{-1});
}

TEST(BankTextTest, largestCountIsAccepted)
{
    // The count is checked against the lines, not against a limit of its own.
    EXPECT_EQ(problemOf(parseBank("2147483647\r\nQ\r\nA\r\n")), BankProblem::tooFewLines);
}

class BankFileTest : public ::testing::Test {
protected:
    std::filesystem::path write(const std::string &name, const std::string &bytes)
    {
        const auto path = directory.path() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    testing::ScratchDirectory directory;
};

TEST_F(BankFileTest, readsTheWholeFile)
{
    const auto path = write("bank.dat", "2\r\nQ1\r\nA1\r\nQ2\r\nA2\r\n");
    const BankResult bankResult = readBank(path);
    const BankContent &bank = accepted(bankResult);
    EXPECT_EQ(bank.count, 2);
    EXPECT_EQ(bank.lines.at(4), "A2");
}

TEST_F(BankFileTest, saysWhyAFileCannotBeRead)
{
    const auto huge = directory.path() / "huge.dat";
    std::ofstream(huge, std::ios::binary).close();
    std::filesystem::resize_file(huge, std::uintmax_t(1) << 30); // as a gigabyte of empty lines, sparse

    EXPECT_EQ(problemOf(readBank(directory.path() / "missing.dat")), BankProblem::missing);
    EXPECT_EQ(problemOf(readBank(directory.path() / "missing" / "bank.dat")), BankProblem::missing);
    EXPECT_EQ(problemOf(readBank(directory.path())), BankProblem::notAFile);
    EXPECT_EQ(problemOf(readBank(huge)), BankProblem::tooLarge);
    EXPECT_EQ(problemOf(readBank(write("empty.dat", ""))), BankProblem::empty);
}

}
}
