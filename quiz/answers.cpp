#include "quiz/answers.h"

#include "core/quiz_texts.h"
#include "quiz/countdown.h"
#include "sound/cues.h"

namespace teaser {

void RevealAnswer(QuizContext &quiz)
{
    quiz.window.setText(TextBox::编辑框1, quiz.state.currentAnswer);
    PlayCue(quiz, Cue::reveal);
}

void ShowAnswer(QuizContext &quiz)
{
    RevealAnswer(quiz);
    quiz.state.elapsedSeconds = 0;
    quiz.window.setPicture(VerdictPicture::none);
    quiz.window.setCaption(Label::标签5, "");
    StopCountdown(quiz);
}

void JudgeGuess(QuizContext &quiz)
{
    // With no question on screen there is nothing to be right or wrong
    // about; say so, as the go-to box does, and leave everything as it is.
    if (quiz.state.currentNumber == 0) {
        quiz.window.showMessage(MessageIcon::information,
                                quiz.state.questionCount < 1 ? texts::noQuestionsInBank() : texts::noQuestionYet());
        return;
    }
    const TypedText guess = quiz.window.text(TextBox::答案);
    quiz.window.setText(TextBox::编辑框1, guess.gbk);
    // A typed character with no GBK form came through as "?", which must
    // not match an answer that really holds "?".
    if (guess.exact && guess.gbk == quiz.state.currentAnswer) {
        PlayCue(quiz, Cue::correct);
        quiz.window.setPicture(VerdictPicture::correct);
        quiz.window.setCaption(Label::标签5, texts::correctVerdict());
    } else {
        PlayCue(quiz, Cue::wrong);
        quiz.window.setPicture(VerdictPicture::wrong);
        quiz.window.setCaption(Label::标签5, texts::wrongVerdict());
        quiz.window.setText(TextBox::编辑框1, quiz.state.currentAnswer);
    }
    quiz.window.setText(TextBox::答案, "");
    quiz.state.elapsedSeconds = 0;
    StopCountdown(quiz);
}

}
