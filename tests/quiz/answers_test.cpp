#include "quiz/answers.h"

#include "banks/question_lookup.h"
#include "core/gbk.h"
#include "core/quiz_texts.h"
#include "quiz/countdown.h"
#include "quiz/navigation.h"
#include "support/quiz_fixture.h"

namespace teaser::testing {
namespace {

class AnswersTest : public QuizFixture {
protected:
    void SetUp() override
    {
        // Question 2's answer ends in a space; question 3's is full-width "ＡＢ".
        loadFirstBank("3\r\n1.Q1\r\nA1\r\n2.Q2\r\nA2 \r\n3.Q3\r\n\xA3\xC1\xA3\xC2\r\n");
    }

    void showQuestion(int n)
    {
        window.texts[TextBox::编辑框2] = std::to_string(n);
        GoToNumber(quiz);
        log.clear();
    }

    void judge(const std::string &guess)
    {
        window.texts[TextBox::答案] = guess;
        JudgeGuess(quiz);
    }

    bool showsCorrectVerdict() const
    {
        return window.captions.at(Label::标签5) == texts::correctVerdict() && window.picture == VerdictPicture::correct;
    }

    bool showsWrongVerdict() const
    {
        return window.captions.at(Label::标签5) == texts::wrongVerdict() && window.picture == VerdictPicture::wrong;
    }
};

TEST_F(AnswersTest, anUndisturbedCountdownTicksThirtyTimesThenReveals)
{
    showQuestion(1);
    for (int second = 1; second <= 30; ++second) {
        CountdownTick(quiz);
        ASSERT_EQ(state.elapsedSeconds, second);
        ASSERT_EQ(window.captions[Label::标签4], std::to_string(30 - second));
        ASSERT_EQ(window.timerInterval, 1000);
        ASSERT_EQ(window.texts[TextBox::编辑框1], texts::thinkAgain());
    }
    EXPECT_EQ(log.count("sound cue tick"), 30);
    EXPECT_EQ(log.count("sound cue reveal"), 0);

    log.clear();
    CountdownTick(quiz);
    EXPECT_EQ(log.events,
              (std::vector<std::string>{"text 编辑框1 A1", "sound cue reveal", "timer 0", "caption 标签4 30"}));
    EXPECT_EQ(state.elapsedSeconds, 30);
}

TEST_F(AnswersTest, showAnswerAfterTheAutomaticRevealPlaysTheCueAgain)
{
    showQuestion(1);
    for (int tick = 0; tick < 31; ++tick)
        CountdownTick(quiz);
    log.clear();
    ShowAnswer(quiz);
    EXPECT_EQ(log.count("sound cue reveal"), 1);
    EXPECT_EQ(window.captions[Label::标签4], "30");
    EXPECT_EQ(state.elapsedSeconds, 0);
}

TEST_F(AnswersTest, showAnswerStepsInOrderAndLeavesTheCountdownLabel)
{
    showQuestion(1);
    for (int tick = 0; tick < 18; ++tick)
        CountdownTick(quiz);
    ASSERT_EQ(window.captions[Label::标签4], "12");
    log.clear();

    ShowAnswer(quiz);
    EXPECT_EQ(log.events, (std::vector<std::string>{"text 编辑框1 A1", "sound cue reveal", "picture cleared",
                                                    "caption 标签5 ", "timer 0"}));
    EXPECT_EQ(state.elapsedSeconds, 0);

    // The label keeps 12 through the next question until its first tick.
    NextQuestion(quiz);
    EXPECT_EQ(window.captions[Label::标签4], "12");
    CountdownTick(quiz);
    EXPECT_EQ(window.captions[Label::标签4], "29");
}

TEST_F(AnswersTest, checkingNoCountdownMidRunCountsOneMoreSecondThenStops)
{
    showQuestion(1);
    CountdownTick(quiz);
    CountdownTick(quiz);
    window.noCountdown = true;
    log.clear();

    CountdownTick(quiz);
    EXPECT_EQ(log.events, (std::vector<std::string>{"timer 0", "sound cue tick", "caption 标签4 27"}));
    EXPECT_EQ(state.elapsedSeconds, 3);
    EXPECT_EQ(window.timerInterval, 0);
}

TEST_F(AnswersTest, aCorrectGuessKeepsTheGuessInTheAnswerBox)
{
    showQuestion(1);
    CountdownTick(quiz);
    log.clear();
    judge("A1");
    EXPECT_EQ(log.events,
              (std::vector<std::string>{"text 编辑框1 A1", "sound cue correct", "picture correct",
                                        "caption 标签5 " + texts::correctVerdict(), "text 答案 ", "timer 0"}));
    EXPECT_TRUE(showsCorrectVerdict());
    EXPECT_EQ(state.elapsedSeconds, 0);
}

TEST_F(AnswersTest, aWrongGuessShowsTheStoredAnswer)
{
    showQuestion(1);
    judge("B1");
    EXPECT_EQ(log.events, (std::vector<std::string>{"text 编辑框1 B1", "sound cue wrong", "picture wrong",
                                                    "caption 标签5 " + texts::wrongVerdict(), "text 编辑框1 A1",
                                                    "text 答案 ", "timer 0"}));
    EXPECT_TRUE(showsWrongVerdict());
}

TEST_F(AnswersTest, guessesAreComparedByteForByte)
{
    struct Row {
        int question;
        std::string guess;
        bool correct;
    };
    const Row rows[] = {
        {2, "A2 ", true},
        {2, "A2", false}, // the stored answer ends in a space
        {1, "A1 ", false},
        {1, "a1", false}, // case counts
        {1,
         "\xA3\xC1"
         "1",
         false}, // full-width Ａ against half-width A
        {3, "\xA3\xC1\xA3\xC2", true},
        {3, "AB", false}, // half-width against the stored full-width
    };
    for (const Row &row : rows) {
        showQuestion(row.question);
        judge(row.guess);
        EXPECT_EQ(showsCorrectVerdict(), row.correct) << "question " << row.question << " guess " << row.guess;
        EXPECT_EQ(showsWrongVerdict(), !row.correct) << "question " << row.question << " guess " << row.guess;
        const std::string answer = std::string(questionAt(state, row.question)->answer);
        EXPECT_EQ(window.texts[TextBox::编辑框1], row.correct ? row.guess : answer);
    }
}

TEST_F(AnswersTest, aGuessBeforeAnyQuestionIsNotJudged)
{
    judge("");
    EXPECT_EQ(log.events, (std::vector<std::string>{"message information " + texts::noQuestionYet()}));
    EXPECT_EQ(window.picture, VerdictPicture::none);
    EXPECT_EQ(window.captions[Label::标签5], "");

    loadFirstBank("1\r\n1.Q\r\nA\r\n");
    state.currentNumber = 0;
    state.questionCount = 0; // as after start-up with an unusable bank
    judge("A");
    EXPECT_EQ(log.events, (std::vector<std::string>{"message information " + texts::noQuestionsInBank()}));
    EXPECT_EQ(window.texts[TextBox::答案], "A") << "the typed guess stays";
}

TEST_F(AnswersTest, aGuessWithoutGbkFormNeverMatchesThroughItsSubstitute)
{
    loadFirstBank("1\r\n1.Q\r\n?\r\n");
    showQuestion(1);
    window.texts[TextBox::答案] = "?";
    window.inexact[TextBox::答案] = true; // an emoji came through as "?"
    JudgeGuess(quiz);
    EXPECT_TRUE(showsWrongVerdict());
    EXPECT_EQ(window.texts[TextBox::编辑框1], "?");
}

TEST_F(AnswersTest, judgingEmptiesOnlyTheGuessBox)
{
    showQuestion(1);
    window.texts[TextBox::编辑框2] = "1";
    judge("whatever");
    EXPECT_EQ(window.texts[TextBox::答案], "");
    EXPECT_EQ(window.texts[TextBox::编辑框2], "1");
    EXPECT_EQ(window.captions[Label::标签4], "30");
}

}
}
