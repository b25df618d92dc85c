#include "app/startup.h"

#include "support/quiz_fixture.h"

namespace teaser::testing {
namespace {

class StartUpTest : public QuizFixture {};

TEST_F(StartUpTest, startUpLoadsTheFirstBankThenStartsTheDefaultSong)
{
    writeProgramFile("date.dat", makeBankText(4));
    RunStartUpSteps(quiz);
    EXPECT_EQ(state.questionCount, 4);
    EXPECT_EQ(state.currentNumber, 0);
    EXPECT_EQ(log.events, (std::vector<std::string>{"sound file 记事本.mid +loop"}));
}

TEST_F(StartUpTest, startUpWithAnUnusableBankSaysSoAndRunsWithNoQuestions)
{
    RunStartUpSteps(quiz);
    EXPECT_EQ(state.questionCount, 0);
    EXPECT_EQ(state.bankLines.size(), 0u);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].first, MessageIcon::warning);
    EXPECT_EQ(log.count("sound file 记事本.mid +loop"), 1);
}

}
}
