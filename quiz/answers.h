// Revealing the answer and judging a typed guess.
#pragma once

#include "core/quiz_context.h"

namespace teaser {

// Puts the answer of the question on screen into 编辑框1 with the reveal cue.
void RevealAnswer(QuizContext &quiz);
// 按钮5 "看答案".
void ShowAnswer(QuizContext &quiz);
// 按钮1 "提交": the guess is right only when it is the answer byte for byte.
// Before any question is shown it only says that there is none yet.
void JudgeGuess(QuizContext &quiz);

}
