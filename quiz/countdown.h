// The 30-second countdown that reveals the answer by itself.
#pragma once

#include "core/quiz_context.h"

namespace teaser {

// Starts 时钟1 unless the no-countdown box 选择框1 is checked.
void StartCountdownUnlessDisabled(QuizContext &quiz);
void StopCountdown(QuizContext &quiz);
// One tick of 时钟1: counts a second, or reveals the answer once 30 are counted.
void CountdownTick(QuizContext &quiz);

}
