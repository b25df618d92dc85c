#pragma once

#include "core/quiz_context.h"

namespace teaser {

class MainWindow;

// Connects each event of the window to the handler that it runs.
void bindEvents(MainWindow &window, QuizContext &quiz);

}
