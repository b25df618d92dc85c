#include "banks/bank_selection.h"

#include "banks/bank_error_message.h"

namespace teaser {

bool LoadBank(QuizContext &quiz, const std::filesystem::path &path)
{
    BankResult result = readBank(path);
    if (const auto *error = std::get_if<BankError>(&result)) {
        quiz.window.showMessage(MessageIcon::warning, bankErrorMessage(path, *error));
        return false;
    }
    auto &content = std::get<BankContent>(result);
    quiz.state.bankLines = std::move(content.lines);
    quiz.state.questionCount = content.count;
    return true;
}

void SelectBank(QuizContext &quiz, Bank bank)
{
    if (!LoadBank(quiz, bankPath(bank, quiz.programDirectory)))
        return;
    for (const Bank each : allBanks)
        quiz.window.setChecked(menuItem(each), each == bank);
}

}
