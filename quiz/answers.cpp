#include "quiz/answers.h"

#include "app/texts.h"
#include "quiz/verdict_icons.h"
#include "sound/cues.h"

#include <string>

namespace teaser {

namespace {

constexpr std::int32_t countdownSeconds = 30;

void stopCountdown(QuizContext &quiz)
{
    quiz.window.setTimerInterval(0);
}

}

void RevealAnswer(QuizContext &quiz)
{
    quiz.window.setText(TextBox::编辑框1, quiz.state.currentAnswer);
    PlayCue(quiz, Cue::reveal);
}

void ShowAnswer(QuizContext &quiz)
{
    RevealAnswer(quiz);
    quiz.state.elapsedSeconds = 0;
    quiz.window.setPicture({});
    quiz.window.setCaption(Label::标签5, "");
    stopCountdown(quiz);
}

void JudgeGuess(QuizContext &quiz)
{
    const TypedText guess = quiz.window.text(TextBox::答案);
    quiz.window.setText(TextBox::编辑框1, guess.gbk);
    // A typed character with no GBK form came through as "?", which must
    // not match an answer that really holds "?".
    if (guess.exact && guess.gbk == quiz.state.currentAnswer) {
        PlayCue(quiz, Cue::correct);
        quiz.window.setPicture(verdict_icons::correct());
        quiz.window.setCaption(Label::标签5, texts::correctVerdict());
    } else {
        PlayCue(quiz, Cue::wrong);
        quiz.window.setPicture(verdict_icons::wrong());
        quiz.window.setCaption(Label::标签5, texts::wrongVerdict());
        quiz.window.setText(TextBox::编辑框1, quiz.state.currentAnswer);
    }
    quiz.window.setText(TextBox::答案, "");
    quiz.state.elapsedSeconds = 0;
    stopCountdown(quiz);
}

void CountdownTick(QuizContext &quiz)
{
    if (quiz.window.isNoCountdownChecked())
        stopCountdown(quiz);
    if (quiz.state.elapsedSeconds >= countdownSeconds) {
        RevealAnswer(quiz);
        stopCountdown(quiz);
        quiz.window.setCaption(Label::标签4, "30");
        return;
    }
    quiz.state.elapsedSeconds += 1;
    PlayCue(quiz, Cue::tick);
    quiz.window.setCaption(Label::标签4, std::to_string(countdownSeconds - quiz.state.elapsedSeconds));
}

}
