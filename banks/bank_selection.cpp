#include "banks/bank_selection.h"

#include "banks/bank_error_message.h"

namespace teaser {

std::optional<Text> loadBankInto(QuizState &state, const std::filesystem::path &path)
{
    BankResult result = readBank(path);
    if (const auto *error = std::get_if<BankError>(&result))
        return bankErrorMessage(path, *error);
    auto &content = std::get<BankContent>(result);
    state.bankLines = std::move(content.lines);
    state.questionCount = content.count;
    return std::nullopt;
}

bool LoadBank(QuizContext &quiz, const std::filesystem::path &path)
{
    const std::optional<Text> problem = loadBankInto(quiz.state, path);
    if (problem)
        quiz.window.showMessage(MessageIcon::warning, *problem);
    return !problem;
}

void SelectBank(QuizContext &quiz, Bank bank)
{
    if (!LoadBank(quiz, bankPath(bank, quiz.programDirectory)))
        return;
    for (const Bank each : allBanks)
        quiz.window.setChecked(menuItem(each), each == bank);
}

}
