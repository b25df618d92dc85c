#include "app/startup.h"

#include "banks/bank_catalog.h"
#include "banks/bank_selection.h"
#include "sound/music_menu.h"

namespace teaser {

void RunStartUpSteps(QuizContext &quiz)
{
    LoadBank(quiz, bankPath(Bank::first, quiz.programDirectory));
    PlaySong(quiz, Song::记事本);
}

}
