// The message that tells the user why a bank file cannot be used.
#pragma once

#include "banks/bank_text.h"
#include "core/gbk_text.h"

#include <filesystem>

namespace teaser {

Text bankErrorMessage(const std::filesystem::path &path, const BankError &error);

}
