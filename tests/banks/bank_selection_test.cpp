#include "banks/bank_selection.h"

#include "core/gbk.h"
#include "banks/question_lookup.h"
#include "support/quiz_fixture.h"

#include <limits>
#include <set>

namespace teaser::testing {
namespace {

class BankSelectionTest : public QuizFixture {
protected:
    void SetUp() override
    {
        writeThreeBanks();
    }

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
    EXPECT_EQ(state.bankLines.at(1), "1.Q1");        // the file's line 2
    EXPECT_EQ(state.bankLines.at(1004), "A502");     // the file's line 1005
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
    writeProgramFile("date.dat", makeBankText(5));
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
    writeProgramFile("hao2.dat", "12\r\nQ\r\nA\r\n");

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
    };
    std::set<Text> messages;
    for (const auto &[what, bytes] : files) {
        writeProgramFile("ti2.dat", bytes);
        SelectBank(quiz, Bank::second);
        ASSERT_FALSE(window.messages.empty()) << what;
        messages.insert(window.messages.back().second);
    }
    std::filesystem::remove(directory.path() / "ti2.dat");
    SelectBank(quiz, Bank::second);
    messages.insert(window.messages.back().second);

    EXPECT_EQ(messages.size(), std::size(files) + 1);
    EXPECT_EQ(state.questionCount, 0);
    EXPECT_EQ(checkedBankItems(), std::vector{MenuItem::题库1});
}

TEST_F(BankSelectionTest, loadBankLeavesMenuNumberAndScreenAlone)
{
    state.currentNumber = 3;
    state.currentAnswer = "kept";
    ASSERT_TRUE(LoadBank(quiz, directory.path() / "ti2.dat"));
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
