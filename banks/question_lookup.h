// Finding question n of the active bank: its text is element 2n - 1 of
// bankLines and its answer element 2n.
#pragma once

#include "core/quiz_state.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace teaser {

struct Question {
    std::string_view text;
    std::string_view answer;
};

// The question, or nothing when n is outside 1 to questionCount or its lines
// are not in bankLines; nothing outside bankLines is ever read.
std::optional<Question> questionAt(const QuizState &state, std::int32_t n);

}
