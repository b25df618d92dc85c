// The steps that run once the main window is up.
#pragma once

#include "core/quiz_context.h"

namespace teaser {

// Loads the first bank (a bank that cannot be used leaves the quiz with no
// questions, after saying why), then starts the default song.
void RunStartUpSteps(QuizContext &quiz);

}
