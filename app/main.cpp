// teaser: a quiz of Chinese brain teasers in one window.
#include "app/program_directory.h"
#include "app/teaser_program.h"
#include "app/termination_signals.h"

#include <QApplication>
#include <chrono>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    teaser::endOnTerminationSignals();
    teaser::TeaserProgram program(teaser::ProgramDirectory());
    program.start();
    const int status = QApplication::exec();
    // A sound system that does not let go must not keep the program alive.
    if (!program.stopSound(std::chrono::seconds(2)))
        std::_Exit(status);
    return status;
}
