#include "app/startup.h"

#include "core/gbk.h"
#include "core/quiz_texts.h"
#include "support/quiz_fixture.h"

namespace teaser::testing {
namespace {

class StartUpTest : public QuizFixture { };

TEST_F(StartUpTest, startUpLoadsTheFirstBankThenStartsTheDefaultSong)
{
    banks.write(Bank::first, makeBankText(4));
    EXPECT_EQ(RunStartUpSteps(quiz), std::nullopt);
    EXPECT_EQ(state.questionCount, 4);
    EXPECT_EQ(state.currentNumber, 0);
    EXPECT_EQ(log.events, (std::vector<std::string>{"sound file 记事本.mid +loop"}));
}

TEST_F(StartUpTest, anUnusableBankIsToldOnceTheWindowIsUpAndTheQuizHasNoQuestions)
{
    const std::optional<Text> problem = RunStartUpSteps(quiz);
    ASSERT_TRUE(problem);
    EXPECT_TRUE(decodeGbk(*problem).contains(QStringLiteral("找不到这个文件"))) << decodeGbk(*problem).toStdString();
    EXPECT_TRUE(window.messages.empty()) << "no message box before the window is on screen";
    EXPECT_EQ(state.questionCount, 0);
    EXPECT_EQ(state.bankLines.size(), 0u);
    EXPECT_EQ(log.count("sound file 记事本.mid +loop"), 1);
}

TEST_F(StartUpTest, withNoProgramFolderNothingIsReadFromWhereTheProgramStarted)
{
    banks.write(Bank::first, makeBankText(4));
    const auto started = std::filesystem::current_path();
    std::filesystem::current_path(directory.path());
    quiz.programDirectory.clear();
    const std::optional<Text> problem = RunStartUpSteps(quiz);
    std::filesystem::current_path(started);
    EXPECT_EQ(problem, texts::noProgramFolder());
    EXPECT_EQ(state.questionCount, 0) << "date.dat was read from the current folder";
    EXPECT_TRUE(log.events.empty());
}

}
}
