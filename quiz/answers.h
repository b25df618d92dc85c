// Revealing the answer, judging a typed guess, and the 30-second countdown.
#pragma once

#include "app/quiz_context.h"

namespace teaser {

void RevealAnswer(QuizContext &quiz);
// 按钮5 "看答案".
void ShowAnswer(QuizContext &quiz);
// 按钮1 "提交": the guess is right only when it is the answer byte for byte.
void JudgeGuess(QuizContext &quiz);
// One tick of 时钟1: counts a second, or reveals the answer once 30 are counted.
void CountdownTick(QuizContext &quiz);

}
