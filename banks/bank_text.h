// The bank file format: a count line, then one question line and one answer
// line per question, every line ended by CR LF, all in GBK.
#pragma once

#include "core/byte_buffer.h"
#include "core/text_list.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <variant>

namespace teaser {

// What any bank may be. The limits keep every accepted bank quick to load
// (well under a second for the largest here) and small in memory (three
// times its size at most), and every text small enough for the window to
// show at once; the installed banks' longest line has 407 bytes.
inline constexpr std::size_t maxBankBytes = std::size_t(128) << 20;
inline constexpr std::size_t maxLineBytes = 4096;

struct BankContent {
    TextList lines;         // the file's lines after the count line
    std::int32_t count = 0; // the count line's number
};

enum class BankProblem {
    missing,
    linkLoop,
    permissionDenied,
    notAFile,
    unreadable,
    tooLarge,
    outOfMemory,
    empty,
    utf8Bom,
    utf16,
    zeroByte,
    notCrLf,
    countNotNumber,
    countTooLarge,
    noQuestions,
    tooFewLines,
    lineTooLong,
};

struct BankError {
    BankProblem problem = BankProblem::missing;
    std::int64_t count = 0;         // tooFewLines: the count the file announces
    std::int64_t completePairs = 0; // tooFewLines: the question/answer pairs it holds
    std::int64_t line = 0;          // lineTooLong: the file's line number
    std::uint64_t bytes = 0;        // lineTooLong: its length; tooLarge: the file's size (at least)
};

using BankResult = std::variant<BankContent, BankError>;

// Takes a whole bank file's bytes. A bank is accepted only when every question
// it announces has both its lines, so readers can rely on the count.
BankResult parseBank(ByteBuffer bytes);
BankResult parseBank(std::string_view bytes);

// Reads the file in one piece (see readWholeFile) and parses it. Never throws.
BankResult readBank(const std::filesystem::path &path);

}
