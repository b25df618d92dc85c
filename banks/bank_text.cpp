#include "banks/bank_text.h"

#include "core/whole_file.h"

#include <cstring>
#include <limits>
#include <new>

namespace teaser {

namespace {

bool isPlainDecimal(std::string_view text)
{
    if (text.empty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// A text with line feeds but no CR LF was written with another line end.
bool hasForeignLineEnds(std::string_view bytes)
{
    return bytes.find("\r\n") == std::string_view::npos && bytes.find_first_of("\r\n") != std::string_view::npos;
}

BankProblem bankProblem(FileProblem problem)
{
    switch (problem) {
    case FileProblem::missing:
        return BankProblem::missing;
    case FileProblem::linkLoop:
        return BankProblem::linkLoop;
    case FileProblem::permissionDenied:
        return BankProblem::permissionDenied;
    case FileProblem::notAFile:
        return BankProblem::notAFile;
    case FileProblem::unreadable:
        return BankProblem::unreadable;
    case FileProblem::tooLarge:
        return BankProblem::tooLarge;
    case FileProblem::outOfMemory:
        return BankProblem::outOfMemory;
    }
    return BankProblem::unreadable;
}

// The first line, as the count line, up to its CR LF.
std::string_view firstLine(std::string_view bytes)
{
    return bytes.substr(0, bytes.find("\r\n"));
}

BankResult cutIntoLines(ByteBuffer bytes, std::int32_t count)
{
    BankContent bank{TextList::fromCrLfText(std::move(bytes)), count};
    bank.lines.removeFirst();
    const auto pairs = std::int64_t(bank.lines.size() / 2);
    if (pairs < count)
        return BankError{BankProblem::tooFewLines, count, pairs};
    // Only the lines that are shown: those after the last answer never are.
    for (std::size_t position = 1; position <= 2 * std::size_t(count); ++position) {
        if (const std::size_t length = bank.lines.at(position).size(); length > maxLineBytes)
            return BankError{.problem = BankProblem::lineTooLong, .line = std::int64_t(position) + 1, .bytes = length};
    }
    return bank;
}

}

BankResult parseBank(ByteBuffer bytes)
{
    const std::string_view text = bytes.view();
    if (text.empty())
        return BankError{BankProblem::empty};
    if (text.size() > maxBankBytes)
        return BankError{.problem = BankProblem::tooLarge, .bytes = text.size()};
    if (text.starts_with("\xEF\xBB\xBF"))
        return BankError{BankProblem::utf8Bom};
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return BankError{BankProblem::utf16};
    if (std::memchr(text.data(), '\0', text.size()))
        return BankError{BankProblem::zeroByte};
    if (hasForeignLineEnds(text))
        return BankError{BankProblem::notCrLf};

    const std::string_view countLine = firstLine(text);
    if (!isPlainDecimal(countLine))
        return BankError{BankProblem::countNotNumber};
    std::int64_t count = 0;
    for (const char digit : countLine) {
        count = count * 10 + (digit - '0');
        if (count > std::numeric_limits<std::int32_t>::max())
            return BankError{BankProblem::countTooLarge};
    }
    if (count == 0)
        return BankError{BankProblem::noQuestions};
    try {
        return cutIntoLines(std::move(bytes), std::int32_t(count));
    } catch (const std::bad_alloc &) {
        return BankError{BankProblem::outOfMemory};
    }
}

BankResult parseBank(std::string_view bytes)
{
    try {
        return parseBank(ByteBuffer::copyOf(bytes));
    } catch (const std::bad_alloc &) {
        return BankError{BankProblem::outOfMemory};
    }
}

BankResult readBank(const std::filesystem::path &path)
{
    FileResult file = readWholeFile(path, maxBankBytes);
    if (const auto *error = std::get_if<FileError>(&file))
        return BankError{.problem = bankProblem(error->problem), .bytes = error->size};
    return parseBank(std::move(std::get<ByteBuffer>(file)));
}

}
