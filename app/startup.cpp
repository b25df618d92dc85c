#include "app/startup.h"

#include "banks/bank_catalog.h"
#include "banks/bank_selection.h"
#include "core/quiz_texts.h"
#include "sound/music_menu.h"

namespace teaser {

std::optional<Text> RunStartUpSteps(QuizContext &quiz)
{
    if (quiz.programDirectory.empty())
        return texts::noProgramFolder();
    std::optional<Text> problem = loadBankInto(quiz.state, bankPath(Bank::first, quiz.programDirectory));
    PlaySong(quiz, Song::记事本);
    return problem;
}

}
