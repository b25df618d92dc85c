// The three question banks: where their files are and what the quiz knows of them.
#pragma once

#include "core/window.h"

#include <array>
#include <cstdint>
#include <filesystem>

namespace teaser {

enum class Bank { first = 1, second = 2, third = 3 };

inline constexpr std::array<Bank, 3> allBanks{Bank::first, Bank::second, Bank::third};

// The first bank lies beside the program. The other two live in the Windows
// system folder on Windows and beside the program everywhere else.
std::filesystem::path bankPath(Bank bank, const std::filesystem::path &programDirectory);

// The number of the last question, as the bank's menu caption announces it.
std::int32_t announcedLastQuestion(Bank bank);

MenuItem menuItem(Bank bank);

}
