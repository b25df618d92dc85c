// The steps that start the quiz, before the window takes any input.
#pragma once

#include "core/quiz_context.h"

#include <optional>

namespace teaser {

// Loads the first bank (a bank that cannot be used leaves the quiz with no
// questions), then starts the default song. Returns what to tell the user
// once the window is on screen: why the bank or the program's folder could
// not be used. With no program folder nothing is read at all.
std::optional<Text> RunStartUpSteps(QuizContext &quiz);

}
