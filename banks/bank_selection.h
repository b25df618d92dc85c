// Loading a bank into the quiz state and switching banks from the bank menu.
#pragma once

#include "banks/bank_catalog.h"
#include "core/quiz_context.h"

#include <filesystem>
#include <optional>

namespace teaser {

// Makes the bank in the file the active bank. A file that cannot be used
// leaves the active bank as it was; the message returned then says why.
std::optional<Text> loadBankInto(QuizState &state, const std::filesystem::path &path);

// The same, telling the user why in a message box; returns whether the bank
// was loaded.
bool LoadBank(QuizContext &quiz, const std::filesystem::path &path);

// The bank menu item's handler: loads the bank and moves the check mark to
// its item. A bank that cannot be used keeps the mark where it was.
void SelectBank(QuizContext &quiz, Bank bank);

}
