// Feeds arbitrary bytes to LoadBank as a bank file, then runs every
// navigation command and the answer handlers over whatever was loaded.
#include "banks/bank_catalog.h"
#include "banks/bank_selection.h"
#include "banks/question_lookup.h"
#include "core/gbk.h"
#include "quiz/answers.h"
#include "quiz/countdown.h"
#include "quiz/navigation.h"
#include "support/recording_sound.h"
#include "support/recording_window.h"
#include "support/scratch_directory.h"

#include <cstdlib>
#include <fstream>

using namespace teaser;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void runEveryCommand(QuizContext &quiz, testing::RecordingWindow &window)
{
    const std::int32_t count = quiz.state.questionCount;
    for (const std::int32_t start : {0, 1, 2, count - 1, count, count + 1, 1262}) {
        quiz.state.currentNumber = start;
        NextQuestion(quiz);
        quiz.state.currentNumber = start;
        PreviousQuestion(quiz);
    }
    FirstQuestion(quiz);
    for (const MenuItem item : {MenuItem::题库1, MenuItem::题库2, MenuItem::题库3}) {
        for (const MenuItem other : {MenuItem::题库1, MenuItem::题库2, MenuItem::题库3})
            window.checked[other] = other == item;
        LastQuestion(quiz);
        check(quiz.state.currentNumber >= 0 && quiz.state.currentNumber <= std::max(count, 1262));
    }
    RandomQuestion(quiz);
    for (const char *typed : {"1", "0", "-1", "2147483647", "1262", "502"}) {
        window.texts[TextBox::编辑框2] = typed;
        GoToNumber(quiz);
    }
    for (int tick = 0; tick < 32; ++tick)
        CountdownTick(quiz);
    check(quiz.state.elapsedSeconds >= 0 && quiz.state.elapsedSeconds <= 30);
    window.texts[TextBox::答案] = quiz.state.currentAnswer;
    JudgeGuess(quiz);
    ShowAnswer(quiz);
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static testing::ScratchDirectory directory;
    std::ofstream(directory.path() / "date.dat", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data), std::streamsize(size));

    testing::EventLog log;
    QuizState state;
    testing::RecordingWindow window(log);
    testing::RecordingSound sound(log);
    QuizContext quiz{state, window, sound, directory.path(), [] { return 7u; }};
    const bool loaded = LoadBank(quiz, bankPath(Bank::first, directory.path()));
    check(loaded == (state.questionCount > 0));
    check(state.bankLines.size() >= std::size_t(state.questionCount) * 2);
    for (std::int32_t n = 1; n <= std::min(state.questionCount, 2000); ++n) {
        const auto question = questionAt(state, n);
        check(question.has_value());
        decodeGbk(question->text);
        decodeGbk(question->answer);
    }
    runEveryCommand(quiz, window);
    return 0;
}
