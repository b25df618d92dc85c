#include "banks/bank_text.h"

#include <cstring>
#include <limits>
#include <fstream>
#include <system_error>

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
    return bytes.find("\r\n") == std::string_view::npos
           && bytes.find_first_of("\r\n") != std::string_view::npos;
}

std::variant<ByteBuffer, BankProblem> readWholeFile(const std::filesystem::path &path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return BankProblem::missing;
    if (!std::filesystem::is_regular_file(status))
        return BankProblem::notAFile;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return BankProblem::unreadable;
    if (size > TextList::maxBytes)
        return BankProblem::tooLarge;

    std::ifstream file(path, std::ios::binary);
    ByteBuffer bytes(size);
    if (!file.read(bytes.data(), std::streamsize(size)))
        return BankProblem::unreadable;
    // The file may have grown since its size was taken; a bank is what it held then.
    return bytes;
}

}

BankResult parseBank(ByteBuffer bytes)
{
    if (bytes.size() == 0)
        return BankError{BankProblem::empty};
    if (bytes.size() > TextList::maxBytes)
        return BankError{BankProblem::tooLarge};
    if (std::memchr(bytes.data(), '\0', bytes.size()))
        return BankError{BankProblem::zeroByte};
    if (hasForeignLineEnds(bytes.view()))
        return BankError{BankProblem::notCrLf};

    BankContent bank{TextList::fromCrLfText(std::move(bytes))};
    const std::string_view countLine = bank.lines.at(1);
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

    bank.lines.removeFirst();
    const auto pairs = std::int64_t(bank.lines.size() / 2);
    if (pairs < count)
        return BankError{BankProblem::tooFewLines, count, pairs};
    bank.count = std::int32_t(count);
    return bank;
}

BankResult parseBank(std::string_view bytes)
{
    return parseBank(ByteBuffer::copyOf(bytes));
}

BankResult readBank(const std::filesystem::path &path)
{
    auto bytes = readWholeFile(path);
    if (const auto *problem = std::get_if<BankProblem>(&bytes))
        return BankError{*problem};
    return parseBank(std::move(std::get<ByteBuffer>(bytes)));
}

}
