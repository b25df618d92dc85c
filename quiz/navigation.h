// Moving among the questions of the active bank and putting one on screen.
#pragma once

#include "core/quiz_context.h"

#include <cstdint>

namespace teaser {

// Shows question n and keeps its answer; a number with no question in the
// active bank shows nothing. Does not change currentNumber.
void ShowQuestion(QuizContext &quiz, std::int32_t n);
void PrepareNewQuestion(QuizContext &quiz);

// The navigation commands. They only ever set currentNumber to a question
// the active bank has: with no questions, currentNumber stays as it is.
void FirstQuestion(QuizContext &quiz);
void NextQuestion(QuizContext &quiz);
// At question 1 it says so, then runs FirstQuestion.
void PreviousQuestion(QuizContext &quiz);
// The last question of the bank checked in the bank menu.
void LastQuestion(QuizContext &quiz);
void RandomQuestion(QuizContext &quiz);
// Goes to the number typed into 编辑框2; a number the bank has no question
// for changes nothing but brings a message with the valid range.
void GoToNumber(QuizContext &quiz);

}
