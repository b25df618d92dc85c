#include "quiz/navigation.h"

#include "banks/bank_catalog.h"
#include "banks/question_lookup.h"
#include "core/gbk.h"
#include "core/quiz_texts.h"
#include "quiz/countdown.h"
#include "quiz/go_to_number.h"
#include "sound/cues.h"

#include <QString>
#include <algorithm>
#include <random>

namespace teaser {

namespace {

void clearVerdictPicture(QuizContext &quiz)
{
    quiz.window.setPicture(VerdictPicture::none);
}

void clearVerdictLabel(QuizContext &quiz)
{
    quiz.window.setCaption(Label::标签5, "");
}

bool bankHasQuestions(const QuizContext &quiz)
{
    return quiz.state.questionCount >= 1;
}

// A number of the active bank, drawn afresh from a generator seeded just now.
std::int32_t drawQuestionNumber(QuizContext &quiz)
{
    std::mt19937 generator(quiz.randomSeed());
    return std::uniform_int_distribution<std::int32_t>(1, quiz.state.questionCount)(generator);
}

Text goToRangeMessage(std::int32_t questionCount)
{
    if (questionCount < 1)
        return texts::noQuestionsInBank();
    return encodeGbk(QStringLiteral("请输入 1 到 %1 之间的题号。").arg(questionCount)).bytes;
}

}

void ShowQuestion(QuizContext &quiz, std::int32_t n)
{
    const auto question = questionAt(quiz.state, n);
    if (!question)
        return;
    quiz.window.setText(TextBox::题目, question->text);
    quiz.state.currentAnswer = question->answer;
    quiz.window.setText(TextBox::编辑框1, texts::thinkAgain());
}

void PrepareNewQuestion(QuizContext &quiz)
{
    quiz.state.elapsedSeconds = 0;
    clearVerdictPicture(quiz);
    clearVerdictLabel(quiz);
    PlayCue(quiz, Cue::question);
}

void FirstQuestion(QuizContext &quiz)
{
    clearVerdictPicture(quiz);
    quiz.state.elapsedSeconds = 0;
    clearVerdictLabel(quiz);
    PlayCue(quiz, Cue::question);
    if (bankHasQuestions(quiz)) {
        quiz.state.currentNumber = 1;
        ShowQuestion(quiz, 1);
    }
    StartCountdownUnlessDisabled(quiz);
}

void NextQuestion(QuizContext &quiz)
{
    PrepareNewQuestion(quiz);
    if (quiz.state.currentNumber < quiz.state.questionCount) {
        quiz.state.currentNumber += 1;
        ShowQuestion(quiz, quiz.state.currentNumber);
    }
    StartCountdownUnlessDisabled(quiz);
}

void PreviousQuestion(QuizContext &quiz)
{
    PrepareNewQuestion(quiz);
    if (quiz.state.currentNumber > 1 && bankHasQuestions(quiz)) {
        // After a switch to a smaller bank the number may lie beyond its
        // end; the step back then lands on the bank's last question.
        quiz.state.currentNumber = std::min(quiz.state.currentNumber - 1, quiz.state.questionCount);
        ShowQuestion(quiz, quiz.state.currentNumber);
    }
    StartCountdownUnlessDisabled(quiz);
    if (quiz.state.currentNumber == 1) {
        quiz.window.showMessage(MessageIcon::information, texts::alreadyFirstQuestion());
        FirstQuestion(quiz);
    }
}

void LastQuestion(QuizContext &quiz)
{
    clearVerdictPicture(quiz);
    quiz.state.elapsedSeconds = 0;
    clearVerdictLabel(quiz);
    StartCountdownUnlessDisabled(quiz);
    PlayCue(quiz, Cue::question);
    for (const Bank bank : allBanks) {
        if (quiz.window.isChecked(menuItem(bank)) && bankHasQuestions(quiz)) {
            // A bank file may hold fewer questions than its menu caption says.
            quiz.state.currentNumber = std::min(announcedLastQuestion(bank), quiz.state.questionCount);
            ShowQuestion(quiz, quiz.state.currentNumber);
        }
    }
}

void RandomQuestion(QuizContext &quiz)
{
    PlayCue(quiz, Cue::question);
    if (bankHasQuestions(quiz)) {
        quiz.state.currentNumber = drawQuestionNumber(quiz);
        ShowQuestion(quiz, quiz.state.currentNumber);
    }
    quiz.state.elapsedSeconds = 0;
    clearVerdictPicture(quiz);
    clearVerdictLabel(quiz);
    StartCountdownUnlessDisabled(quiz);
}

void GoToNumber(QuizContext &quiz)
{
    const TypedText typed = quiz.window.text(TextBox::编辑框2);
    const auto n = typed.exact ? goToNumber(typed.gbk, quiz.state.questionCount) : std::nullopt;
    if (!n || !questionAt(quiz.state, *n)) {
        quiz.window.showMessage(MessageIcon::information, goToRangeMessage(quiz.state.questionCount));
        return;
    }
    quiz.state.elapsedSeconds = 0;
    clearVerdictPicture(quiz);
    clearVerdictLabel(quiz);
    StartCountdownUnlessDisabled(quiz);
    PlayCue(quiz, Cue::question);
    quiz.state.currentNumber = *n;
    ShowQuestion(quiz, *n);
}

}
