// The whole program, with a probe attached (see probe.h).
#include "app/teaser_program.h"
#include "probe.h"
#include "quiz/navigation.h"
#include "sound/music_menu.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    teaser::TeaserProgram program(TEASER_PROGRAM_DIR);
    program.start();
    // Idle: music off, a question on screen and its countdown running.
    return teaser::bench::runProbe(argc, argv, program.window(), [&program] {
        teaser::ToggleMusic(program.quiz());
        teaser::NextQuestion(program.quiz());
    });
}
