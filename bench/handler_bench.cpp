// Time per navigation and judging handler, including the widget updates and
// the repaint they cause (run under a display for the painting to count).
#include "banks/bank_catalog.h"
#include "banks/bank_selection.h"
#include "core/quiz_context.h"
#include "quiz/answers.h"
#include "quiz/countdown.h"
#include "quiz/navigation.h"
#include "silent_playback.h"
#include "ui/main_window.h"
#include "ui/widget_window.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

struct Quiz {
    Quiz()
    {
        window.show();
        teaser::LoadBank(quiz, teaser::bankPath(teaser::Bank::third, TEASER_PROGRAM_DIR));
    }

    teaser::QuizState state;
    teaser::MainWindow window;
    teaser::WidgetWindow operations{window};
    teaser::bench::SilentPlayback sound;
    teaser::QuizContext quiz{state, operations, sound, TEASER_PROGRAM_DIR};
};

Quiz &sharedQuiz()
{
    static Quiz quiz;
    return quiz;
}

void timeHandler(
    benchmark::State &state, void (*handler)(teaser::QuizContext &), void (*prepare)(Quiz &) = [](Quiz &) {})
{
    Quiz &quiz = sharedQuiz();
    for (auto _ : state) {
        prepare(quiz);
        handler(quiz.quiz);
        QApplication::processEvents();
    }
}

void BM_NextQuestion(benchmark::State &state)
{
    timeHandler(state, teaser::NextQuestion, [](Quiz &quiz) {
        if (quiz.state.currentNumber >= quiz.state.questionCount)
            quiz.state.currentNumber = 0;
    });
}

void BM_RandomQuestion(benchmark::State &state)
{
    timeHandler(state, teaser::RandomQuestion);
}

void BM_GoToNumber(benchmark::State &state)
{
    timeHandler(state, teaser::GoToNumber, [](Quiz &quiz) {
        quiz.window.findChild<QLineEdit *>(QStringLiteral("编辑框2"))->setText(QStringLiteral("831"));
    });
}

void BM_JudgeGuess(benchmark::State &state)
{
    timeHandler(state, teaser::JudgeGuess, [](Quiz &quiz) {
        quiz.window.findChild<QLineEdit *>(QStringLiteral("答案"))->setText(QStringLiteral("一个猜测"));
    });
}

void BM_CountdownTick(benchmark::State &state)
{
    timeHandler(state, teaser::CountdownTick, [](Quiz &quiz) { quiz.state.elapsedSeconds %= 30; });
}

}

BENCHMARK(BM_NextQuestion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RandomQuestion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GoToNumber)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JudgeGuess)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CountdownTick)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
