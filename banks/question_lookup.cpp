#include "banks/question_lookup.h"

namespace teaser {

std::optional<Question> questionAt(const QuizState &state, std::int32_t n)
{
    if (n < 1 || n > state.questionCount)
        return std::nullopt;
    const auto textPosition = std::size_t(n) * 2 - 1;
    const auto answerPosition = std::size_t(n) * 2;
    if (!state.bankLines.contains(answerPosition))
        return std::nullopt;
    return Question{state.bankLines.at(textPosition), state.bankLines.at(answerPosition)};
}

}
