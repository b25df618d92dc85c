// The program-wide quiz state that the handlers share.
#pragma once

#include "core/gbk_text.h"
#include "core/text_list.h"

#include <cstdint>

namespace teaser {

struct QuizState {
    TextList bankLines;              // the active bank's lines after its count line
    std::int32_t questionCount = 0;  // the count from the bank's first line
    std::int32_t elapsedSeconds = 0; // seconds counted in the current countdown
    std::int32_t currentNumber = 0;  // question on screen, 0 before the first
    Text currentAnswer;              // answer of the question on screen
};

}
