// Bank files of every bad kind, chosen from the bank menu and then used by
// every command: each either loads or is refused with a message, and the
// quiz goes on with the bank it had.
#include "banks/bank_selection.h"
#include "banks/question_lookup.h"
#include "core/gbk.h"
#include "quiz/answers.h"
#include "quiz/countdown.h"
#include "quiz/navigation.h"
#include "support/quiz_fixture.h"

#include <fstream>

namespace teaser::testing {
namespace {

struct BadFile {
    const char *what;
    std::string bytes;
};

class BadBankFilesTest : public QuizFixture {
protected:
    void SetUp() override { loadFirstBank(makeBankText(300)); }

    void runEveryCommand()
    {
        window.texts[TextBox::编辑框2] = "150";
        for (auto *command : {FirstQuestion, NextQuestion, PreviousQuestion, LastQuestion, RandomQuestion, GoToNumber,
                              ShowAnswer, CountdownTick, JudgeGuess})
            command(quiz);
        window.messages.clear();
    }
};

TEST_F(BadBankFilesTest, unusableFilesAreRefusedAndTheQuizGoesOnWithItsBank)
{
    const BadFile files[] = {
        {"0 bytes", ""},
        {"only CR LF", "\r\n"},
        {"count abc", "abc\r\nQ\r\nA\r\n"},
        {"count -5", "-5\r\nQ\r\nA\r\n"},
        {"count +3", "+3\r\nQ\r\nA\r\n"},
        {"count ' 3'", " 3\r\nQ\r\nA\r\n"},
        {"count '3 '", "3 \r\nQ\r\nA\r\n"},
        {"count 2147483648", "2147483648\r\nQ\r\nA\r\n"},
        {"count 99999999999", "99999999999\r\nQ\r\nA\r\n"},
        {"count larger than the lines", "5\r\nQ\r\nA\r\n"},
        {"LF line ends", "1\nQ\nA\n"},
        {"lone CR line ends", "1\rQ\rA\r"},
        {"zero bytes", std::string("1\r\nQ\0\r\nA\r\n", 10)},
    };
    for (const BadFile &file : files) {
        banks.write(Bank::second, file.bytes);
        SelectBank(quiz, Bank::second);
        ASSERT_EQ(window.messages.size(), 1u) << file.what;
        EXPECT_EQ(window.messages[0].first, MessageIcon::warning) << file.what;
        EXPECT_EQ(state.questionCount, 300) << file.what;
        EXPECT_TRUE(window.checked[MenuItem::题库1]) << file.what;
        EXPECT_FALSE(window.checked[MenuItem::题库2]) << file.what;
        window.messages.clear();

        runEveryCommand();
        EXPECT_EQ(state.currentNumber, 150) << file.what;
    }
}

TEST_F(BadBankFilesTest, missingDirectoryAndUnreadableFilesAreRefused)
{
    ASSERT_FALSE(std::filesystem::exists(banks.path(Bank::second)));
    SelectBank(quiz, Bank::second);
    std::filesystem::create_directory(banks.path(Bank::third));
    SelectBank(quiz, Bank::third);
    ASSERT_EQ(window.messages.size(), 2u);
    EXPECT_TRUE(decodeGbk(window.messages[0].second).contains(QStringLiteral("找不到这个文件")));
    EXPECT_TRUE(decodeGbk(window.messages[1].second).contains(QStringLiteral("不是一个文件")));
    EXPECT_EQ(state.questionCount, 300);
}

TEST_F(BadBankFilesTest, invalidGbkLoadsAndIsComparedByItsBytes)
{
    banks.write(Bank::second, "1\r\n1.\xFF\x81\r\n\xFE\xFF\r\n");
    SelectBank(quiz, Bank::second);
    EXPECT_TRUE(window.messages.empty());
    FirstQuestion(quiz);
    EXPECT_EQ(window.texts[TextBox::题目], "1.\xFF\x81");
    window.texts[TextBox::答案] = "\xFE\xFF";
    JudgeGuess(quiz);
    EXPECT_EQ(state.currentAnswer, "\xFE\xFF");
}

TEST_F(BadBankFilesTest, aHundredMegabyteBankLoadsAndEveryCommandStaysInside)
{
    constexpr int count = 1'000'000;
    {
        std::ofstream file(banks.path(Bank::second), std::ios::binary);
        file << count << "\r\n";
        const std::string filler(80, 'x');
        for (int n = 1; n <= count; ++n)
            file << n << '.' << filler << "\r\n" << 'A' << n << "\r\n";
    }
    ASSERT_GT(std::filesystem::file_size(banks.path(Bank::second)), 90'000'000u);
    SelectBank(quiz, Bank::second);
    ASSERT_TRUE(window.messages.empty());
    EXPECT_EQ(state.questionCount, count);

    LastQuestion(quiz); // the menu says 502
    EXPECT_EQ(state.currentNumber, 502);
    window.texts[TextBox::编辑框2] = "1000000";
    GoToNumber(quiz);
    EXPECT_EQ(state.currentAnswer, "A1000000");
    NextQuestion(quiz);
    EXPECT_EQ(state.currentNumber, count);
    runEveryCommand();
}

}
}
