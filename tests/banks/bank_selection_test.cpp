#include "banks/bank_selection.h"

#include "banks/question_lookup.h"
#include "core/gbk.h"
#include "support/quiz_fixture.h"

#include <limits>
#include <set>

namespace teaser::testing {
namespace {

class BankSelectionTest : public QuizFixture {
protected:
    void SetUp() override { writeThreeBanks(); }

    std::vector<MenuItem> checkedBankItems() const
    {
        std::vector<MenuItem> items;
        for (const MenuItem item : {MenuItem::题库1, MenuItem::题库2, MenuItem::题库3}) {
            if (window.checked.at(item))
                items.push_back(item);
        }
        return items;
    }
};

TEST_F(BankSelectionTest, secondBankReplacesLinesAndCountAndTakesTheMark)
{
    SelectBank(quiz, Bank::second);

    EXPECT_EQ(state.questionCount, 502);
    EXPECT_EQ(state.bankLines.at(1), "1.Q1");    // the file's line 2
    EXPECT_EQ(state.bankLines.at(1004), "A502"); // the file's line 1005
    EXPECT_EQ(checkedBankItems(), std::vector{MenuItem::题库2});
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(BankSelectionTest, switchingBackGivesTheSameBankAndKeepsTheQuestionNumber)
{
    state.currentNumber = 77;
    SelectBank(quiz, Bank::second);
    const std::string firstText(questionAt(state, 502)->text);
    const std::string firstAnswer(questionAt(state, 502)->answer);
    SelectBank(quiz, Bank::third);
    EXPECT_EQ(state.questionCount, 1262);
    EXPECT_EQ(checkedBankItems(), std::vector{MenuItem::题库3});
    SelectBank(quiz, Bank::second);

    EXPECT_EQ(state.questionCount, 502);
    EXPECT_EQ(questionAt(state, 502)->text, firstText);
    EXPECT_EQ(questionAt(state, 502)->answer, firstAnswer);
    EXPECT_EQ(state.currentNumber, 77);
    EXPECT_EQ(checkedBankItems(), std::vector{MenuItem::题库2});
}

TEST_F(BankSelectionTest, selectingTheActiveBankReadsItsFileAgain)
{
    SelectBank(quiz, Bank::first);
    banks.write(Bank::first, makeBankText(5));
    SelectBank(quiz, Bank::first);
    EXPECT_EQ(state.questionCount, 5);
}

TEST_F(BankSelectionTest, selectingChangesNothingOnScreen)
{
    SelectBank(quiz, Bank::third);
    EXPECT_EQ(log.startingWith("text").size(), 0u);
    EXPECT_EQ(log.startingWith("caption").size(), 0u);
    EXPECT_EQ(log.startingWith("sound").size(), 0u);
}

TEST_F(BankSelectionTest, unusableBankKeepsThePreviousBankAndItsMark)
{
    SelectBank(quiz, Bank::second);
    banks.write(Bank::third, "12\r\nQ\r\nA\r\n");

    SelectBank(quiz, Bank::third);

    EXPECT_EQ(state.questionCount, 502);
    EXPECT_EQ(state.bankLines.at(1), "1.Q1");
    EXPECT_EQ(checkedBankItems(), std::vector{MenuItem::题库2});
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].first, MessageIcon::warning);
    const QString message = decodeGbk(window.messages[0].second);
    EXPECT_TRUE(message.contains(QStringLiteral("hao2.dat"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("第一行说有 12 道题，但只有 1 道题有题目和答案。")))
        << message.toStdString();
}

TEST_F(BankSelectionTest, everyProblemHasItsOwnMessage)
{
    const std::pair<const char *, std::string> files[] = {
        {"empty", ""},
        {"letters", "abc\r\n"},
        {"huge count", "99999999999\r\n"},
        {"zero", "0\r\n"},
        {"LF", "1\nQ\nA\n"},
        {"zero byte", std::string("1\r\n\0\r\nA\r\n", 9)},
        {"UTF-8 byte order mark", "\xEF\xBB\xBF"
                                  "1\r\nQ\r\nA\r\n"},
        {"UTF-16", "\xFF\xFE"
                   "1\r\nQ\r\nA\r\n"},
        {"long line", "1\r\n" + std::string(5000, 'Q') + "\r\nA\r\n"},
    };
    std::set<Text> messages;
    for (const auto &[what, bytes] : files) {
        banks.write(Bank::second, bytes);
        SelectBank(quiz, Bank::second);
        ASSERT_FALSE(window.messages.empty()) << what;
        messages.insert(window.messages.back().second);
    }
    std::filesystem::remove(banks.path(Bank::second));
    SelectBank(quiz, Bank::second);
    messages.insert(window.messages.back().second);

    EXPECT_EQ(messages.size(), std::size(files) + 1);
    EXPECT_EQ(state.questionCount, 0);
    EXPECT_EQ(checkedBankItems(), std::vector{MenuItem::题库1});
}

TEST_F(BankSelectionTest, messagesNameTheRealCause)
{
    const std::pair<std::string, const char16_t *> files[] = {
        {"\xEF\xBB\xBF"
         "1\r\nQ\r\nA\r\n",
         u"UTF-8 的字节顺序标记"},
        {"1\r\n" + std::string(5000, 'Q') + "\r\nA\r\n", u"第 2 行有 5000 字节，一行最多 4096 字节"},
    };
    for (const auto &[bytes, cause] : files) {
        banks.write(Bank::second, bytes);
        SelectBank(quiz, Bank::second);
        const QString message = decodeGbk(window.messages.back().second);
        EXPECT_TRUE(message.contains(QString::fromStdU16String(cause))) << message.toStdString();
    }
}

TEST_F(BankSelectionTest, aLongPathIsShortenedInTheMessage)
{
    auto folder = directory.path();
    for (int i = 0; i < 30; ++i)
        folder /= std::string(120, char('a' + i % 26));
    std::filesystem::create_directories(folder);
    quiz.programDirectory = folder;
    SelectBank(quiz, Bank::first);
    ASSERT_EQ(window.messages.size(), 1u);
    const QString message = decodeGbk(window.messages[0].second);
    EXPECT_LT(message.size(), 100) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("date.dat"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QChar(0x2026))) << message.toStdString();
}

TEST_F(BankSelectionTest, aRelativePathIsNeverReadFromTheCurrentFolder)
{
    banks.write(Bank::first, makeBankText(7));
    const auto started = std::filesystem::current_path();
    std::filesystem::current_path(directory.path());
    quiz.programDirectory.clear();
    SelectBank(quiz, Bank::first);
    std::filesystem::current_path(started);
    EXPECT_EQ(state.questionCount, 0) << "date.dat was read from the current folder";
    EXPECT_EQ(window.messages.size(), 1u);
}

TEST_F(BankSelectionTest, loadBankLeavesMenuNumberAndScreenAlone)
{
    state.currentNumber = 3;
    state.currentAnswer = "kept";
    ASSERT_TRUE(LoadBank(quiz, banks.path(Bank::second)));
    EXPECT_EQ(state.questionCount, 502);
    EXPECT_EQ(state.currentNumber, 3);
    EXPECT_EQ(state.currentAnswer, "kept");
    EXPECT_TRUE(log.events.empty());
}

TEST_F(BankSelectionTest, questionLookupNeverLeavesTheBank)
{
    SelectBank(quiz, Bank::first);
    EXPECT_FALSE(questionAt(state, 0));
    EXPECT_FALSE(questionAt(state, -1));
    EXPECT_FALSE(questionAt(state, 301));
    EXPECT_FALSE(questionAt(state, std::numeric_limits<std::int32_t>::max()));
    EXPECT_FALSE(questionAt(state, std::numeric_limits<std::int32_t>::min()));
    ASSERT_TRUE(questionAt(state, 300));
    EXPECT_EQ(questionAt(state, 300)->answer, "A300");
}

}
}
