// The whole program, with a probe attached (see probe.h).
#include "app/teaser_program.h"
#include "probe.h"
#include "quiz/navigation.h"
#include "sound/music_menu.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    teaser::TeaserProgram program(std::filesystem::path(TEASER_PROGRAM_DIR));
    program.start();
    // Idle: music off, a question on screen and its countdown running.
    const auto prepareIdle = [&program] {
        teaser::ToggleMusic(program.quiz());
        teaser::NextQuestion(program.quiz());
    };
    return teaser::bench::runProbe(argc, argv, program.window(), prepareIdle,
                                   [&program] { return program.quiz().state.currentNumber == 1; });
}
