// The bank file format: a count line, then one question line and one answer
// line per question, every line ended by CR LF, all in GBK.
#pragma once

#include "core/text_list.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <variant>

namespace teaser {

struct BankContent {
    TextList lines;         // the file's lines after the count line
    std::int32_t count = 0; // the count line's number
};

enum class BankProblem {
    missing,
    notAFile,
    unreadable,
    tooLarge,
    empty,
    zeroByte,
    notCrLf,
    countNotNumber,
    countTooLarge,
    noQuestions,
    tooFewLines,
};

struct BankError {
    BankProblem problem = BankProblem::missing;
    std::int64_t count = 0;          // tooFewLines: the count the file announces
    std::int64_t completePairs = 0;  // tooFewLines: the question/answer pairs it holds
};

using BankResult = std::variant<BankContent, BankError>;

// Takes a whole bank file's bytes. A bank is accepted only when every question
// it announces has both its lines, so readers can rely on the count.
BankResult parseBank(ByteBuffer bytes);
BankResult parseBank(std::string_view bytes);

// Reads the file in one piece and parses it.
BankResult readBank(const std::filesystem::path &path);

}
