#include "quiz/navigation.h"

#include "banks/bank_catalog.h"
#include "banks/bank_selection.h"
#include "core/gbk.h"
#include "core/quiz_texts.h"
#include "quiz/answers.h"
#include "quiz/countdown.h"
#include "support/quiz_fixture.h"

#include <set>

namespace teaser::testing {
namespace {

const std::string questionCue = "sound file timu.wav";
const std::string countdownStart = "timer 1000";

std::string shows(int n)
{
    return "text 题目 " + std::to_string(n) + ".Q" + std::to_string(n);
}

std::string thinkAgainShown()
{
    return "text 编辑框1 " + texts::thinkAgain();
}

const std::pair<const char *, void (*)(QuizContext &)> navigationCommands[] = {
    {"first", FirstQuestion}, {"next", NextQuestion},     {"previous", PreviousQuestion},
    {"last", LastQuestion},   {"random", RandomQuestion}, {"go to", GoToNumber},
};

class NavigationTest : public QuizFixture {
protected:
    void SetUp() override { loadFirstBank(makeBankText(300)); }

    // The question, answer box and countdown events that show question n.
    static std::vector<std::string> showing(int n) { return {shows(n), thinkAgainShown()}; }
};

TEST_F(NavigationTest, nextFromTheStartShowsQuestionOneInOrder)
{
    state.elapsedSeconds = 17;
    NextQuestion(quiz);

    EXPECT_EQ(log.events, (std::vector<std::string>{"picture cleared", "caption 标签5 ", questionCue, shows(1),
                                                    thinkAgainShown(), countdownStart}));
    EXPECT_EQ(state.currentNumber, 1);
    EXPECT_EQ(state.currentAnswer, "A1");
    EXPECT_EQ(state.elapsedSeconds, 0);
}

TEST_F(NavigationTest, nextAtTheLastQuestionShowsNothingNewButRestartsTheCountdown)
{
    state.currentNumber = 300;
    NextQuestion(quiz);
    EXPECT_EQ(log.events, (std::vector<std::string>{"picture cleared", "caption 标签5 ", questionCue, countdownStart}));
    EXPECT_EQ(state.currentNumber, 300);
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(NavigationTest, previousFromTheStartShowsNoQuestionAndNoMessage)
{
    PreviousQuestion(quiz);
    EXPECT_EQ(log.events, (std::vector<std::string>{"picture cleared", "caption 标签5 ", questionCue, countdownStart}));
    EXPECT_EQ(state.currentNumber, 0);
}

TEST_F(NavigationTest, previousFromTwoShowsOneThenSaysSoThenRunsFirstQuestion)
{
    state.currentNumber = 2;
    PreviousQuestion(quiz);

    const std::vector<std::string> expected{"picture cleared",
                                            "caption 标签5 ",
                                            questionCue,
                                            shows(1),
                                            thinkAgainShown(),
                                            countdownStart,
                                            "message information " + texts::alreadyFirstQuestion(),
                                            "picture cleared",
                                            "caption 标签5 ",
                                            questionCue,
                                            shows(1),
                                            thinkAgainShown(),
                                            countdownStart};
    EXPECT_EQ(log.events, expected);
    EXPECT_EQ(state.currentNumber, 1);
}

TEST_F(NavigationTest, previousAtOneSaysSoAndShowsOneAgain)
{
    state.currentNumber = 1;
    PreviousQuestion(quiz);
    EXPECT_EQ(log.count(questionCue), 2);
    EXPECT_EQ(log.count(shows(1)), 1);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].first, MessageIcon::information);
}

TEST_F(NavigationTest, previousSteppingBackFromThree)
{
    state.currentNumber = 3;
    PreviousQuestion(quiz);
    EXPECT_EQ(state.currentNumber, 2);
    EXPECT_EQ(log.count(shows(2)), 1);
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(NavigationTest, ticksWhileTheMessageIsOpenAreResetByFirstQuestion)
{
    state.currentNumber = 2;
    window.whileMessageOpen = [this] {
        CountdownTick(quiz);
        CountdownTick(quiz);
    };
    PreviousQuestion(quiz);
    EXPECT_EQ(state.elapsedSeconds, 0);
    EXPECT_EQ(window.timerInterval, 1000);
}

TEST_F(NavigationTest, firstQuestionStepsInOrder)
{
    state.currentNumber = 99;
    FirstQuestion(quiz);
    EXPECT_EQ(log.events, (std::vector<std::string>{"picture cleared", "caption 标签5 ", questionCue, shows(1),
                                                    thinkAgainShown(), countdownStart}));
    EXPECT_EQ(state.currentNumber, 1);
}

TEST_F(NavigationTest, lastQuestionFollowsTheCheckedBank)
{
    banks.write(Bank::second, makeBankText(502));
    banks.write(Bank::third, makeBankText(1262));
    const std::pair<Bank, int> rows[] = {{Bank::first, 300}, {Bank::second, 502}, {Bank::third, 1262}};
    for (const auto &[bank, last] : rows) {
        SelectBank(quiz, bank);
        log.clear();
        LastQuestion(quiz);
        EXPECT_EQ(state.currentNumber, last);
        EXPECT_EQ(state.currentAnswer, "A" + std::to_string(last));
        const std::vector<std::string> expected{"picture cleared", "caption 标签5 ", countdownStart,
                                                questionCue,       shows(last),      thinkAgainShown()};
        EXPECT_EQ(log.events, expected) << "bank " << int(bank);
    }
}

TEST_F(NavigationTest, lastQuestionOfABankShorterThanItsCaptionIsItsOwnLast)
{
    loadFirstBank(makeBankText(20));
    LastQuestion(quiz);
    EXPECT_EQ(state.currentNumber, 20);
    EXPECT_EQ(log.count(shows(20)), 1);
}

TEST_F(NavigationTest, randomQuestionStaysInTheBankAndResetsTheCount)
{
    std::set<int> seen;
    for (int draw = 0; draw < 3000; ++draw) {
        state.elapsedSeconds = 12;
        RandomQuestion(quiz);
        ASSERT_GE(state.currentNumber, 1);
        ASSERT_LE(state.currentNumber, 300);
        ASSERT_EQ(state.elapsedSeconds, 0);
        seen.insert(state.currentNumber);
    }
    // Uniform draws over 300 numbers reach nearly all of them in 3000 tries.
    EXPECT_GT(seen.size(), 280u);
}

TEST_F(NavigationTest, randomQuestionReseedsBeforeEveryDraw)
{
    nextSeed = 5;
    RandomQuestion(quiz);
    const int first = state.currentNumber;
    nextSeed = 5;
    RandomQuestion(quiz);
    EXPECT_EQ(state.currentNumber, first);
}

TEST_F(NavigationTest, randomQuestionStepsInOrder)
{
    RandomQuestion(quiz);
    const int n = state.currentNumber;
    EXPECT_EQ(log.events, (std::vector<std::string>{questionCue, shows(n), thinkAgainShown(), "picture cleared",
                                                    "caption 标签5 ", countdownStart}));
}

TEST_F(NavigationTest, goToNumberStepsInOrder)
{
    window.texts[TextBox::编辑框2] = "42";
    GoToNumber(quiz);
    EXPECT_EQ(log.events, (std::vector<std::string>{"picture cleared", "caption 标签5 ", countdownStart, questionCue,
                                                    shows(42), thinkAgainShown()}));
    EXPECT_EQ(state.currentNumber, 42);
}

struct GoToCase {
    std::string typed;
    int question; // 0: the number is refused with a message
};

TEST_F(NavigationTest, goToNumberTakesOnlyNumbersOfTheBank)
{
    const GoToCase cases[] = {
        {"", 0},
        {" 3", 3},
        {"3.9", 3},
        {"-1", 0},
        {"0", 0},
        {"1e3", 0},
        {"1e2", 100},
        {"2147483648", 0},
        {"4294967297", 0}, // beyond the bank, however its low 32 bits read
        {"-4294967291", 0},
        {"99999999999999999999", 0},
        {"nan", 0},
        {"inf", 0},
        {"0x10", 0},
        {"\xA3\xB1\xA3\xB2", 12}, // full-width 12
        {"abc", 0},
        {"12abc", 0},
        {"300", 300},
        {"301", 0},
        {"+7", 7},
        {".5", 0},
    };
    for (const GoToCase &row : cases) {
        state.currentNumber = 9;
        window.messages.clear();
        log.clear();
        window.texts[TextBox::编辑框2] = row.typed;
        GoToNumber(quiz);
        if (row.question == 0) {
            EXPECT_EQ(state.currentNumber, 9) << "typed: " << row.typed;
            EXPECT_EQ(window.messages.size(), 1u) << "typed: " << row.typed;
            EXPECT_EQ(log.events.size(), 1u) << "only the message, typed: " << row.typed;
        } else {
            EXPECT_EQ(state.currentNumber, row.question) << "typed: " << row.typed;
            EXPECT_EQ(log.count(shows(row.question)), 1) << "typed: " << row.typed;
            EXPECT_TRUE(window.messages.empty()) << "typed: " << row.typed;
        }
    }
}

TEST_F(NavigationTest, goToNumberRefusalNamesTheValidRange)
{
    window.texts[TextBox::编辑框2] = "0";
    GoToNumber(quiz);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(decodeGbk(window.messages[0].second), QStringLiteral("请输入 1 到 300 之间的题号。"));
}

TEST_F(NavigationTest, goToNumberRefusesATypedTextWithoutGbkForm)
{
    window.texts[TextBox::编辑框2] = "5";
    window.inexact[TextBox::编辑框2] = true;
    GoToNumber(quiz);
    EXPECT_EQ(state.currentNumber, 0);
    EXPECT_EQ(window.messages.size(), 1u);
}

TEST_F(NavigationTest, noCommandStartsTheCountdownWhileItIsDisabled)
{
    window.texts[TextBox::编辑框2] = "5";
    for (const auto &[name, command] : navigationCommands) {
        state.currentNumber = 5;
        window.noCountdown = true;
        log.clear();
        command(quiz);
        EXPECT_EQ(log.startingWith("timer").size(), 0u) << name;

        window.noCountdown = false;
        log.clear();
        state.elapsedSeconds = 9;
        command(quiz);
        EXPECT_GE(log.count(countdownStart), 1) << name;
        EXPECT_EQ(state.elapsedSeconds, 0) << name;
    }
}

TEST_F(NavigationTest, everyCommandClearsTheVerdictAndAsksTheUserToThink)
{
    window.texts[TextBox::编辑框2] = "5";
    for (const auto &[name, command] : navigationCommands) {
        state.currentNumber = 5;
        window.picture = VerdictPicture::correct;
        window.captions[Label::标签5] = "verdict";
        window.texts[TextBox::编辑框1] = "old answer";
        window.texts[TextBox::答案] = "typed guess";
        window.captions[Label::标签4] = "12";
        command(quiz);
        EXPECT_EQ(window.picture, VerdictPicture::none) << name;
        EXPECT_EQ(window.captions[Label::标签5], "") << name;
        EXPECT_EQ(window.texts[TextBox::编辑框1], texts::thinkAgain()) << name;
        EXPECT_EQ(window.texts[TextBox::答案], "typed guess") << name;
        EXPECT_EQ(window.captions[Label::标签4], "12") << name;
    }
}

TEST_F(NavigationTest, aNumberBeyondASmallerBankIsBroughtBackByPrevious)
{
    state.currentNumber = 1000;
    NextQuestion(quiz);
    EXPECT_EQ(state.currentNumber, 1000);
    EXPECT_EQ(log.startingWith("text 题目").size(), 0u);

    PreviousQuestion(quiz);
    EXPECT_EQ(state.currentNumber, 300);
    EXPECT_EQ(log.count(shows(300)), 1);
}

class EmptyBankNavigationTest : public QuizFixture { };

TEST_F(EmptyBankNavigationTest, noCommandShowsAQuestionOrMovesTheNumber)
{
    window.texts[TextBox::编辑框2] = "1";
    for (auto *command : {FirstQuestion, NextQuestion, PreviousQuestion, LastQuestion, RandomQuestion}) {
        command(quiz);
        EXPECT_EQ(state.currentNumber, 0);
    }
    EXPECT_EQ(log.startingWith("text 题目").size(), 0u);
    EXPECT_EQ(log.count(questionCue), 5);
    EXPECT_TRUE(window.messages.empty());

    GoToNumber(quiz);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(decodeGbk(window.messages[0].second), QStringLiteral("当前题库里没有题目。"));
}

}
}
