#include "quiz/countdown.h"

#include "quiz/answers.h"
#include "sound/cues.h"

#include <string>

namespace teaser {

namespace {

constexpr std::int32_t countdownSeconds = 30;
constexpr int tickInterval = 1000;

}

void StartCountdownUnlessDisabled(QuizContext &quiz)
{
    if (!quiz.window.isNoCountdownChecked())
        quiz.window.setTimerInterval(tickInterval);
}

void StopCountdown(QuizContext &quiz)
{
    quiz.window.setTimerInterval(0);
}

void CountdownTick(QuizContext &quiz)
{
    if (quiz.window.isNoCountdownChecked())
        StopCountdown(quiz);
    if (quiz.state.elapsedSeconds >= countdownSeconds) {
        RevealAnswer(quiz);
        StopCountdown(quiz);
        quiz.window.setCaption(Label::标签4, "30");
        return;
    }
    quiz.state.elapsedSeconds += 1;
    PlayCue(quiz, Cue::tick);
    quiz.window.setCaption(Label::标签4, std::to_string(countdownSeconds - quiz.state.elapsedSeconds));
}

}
