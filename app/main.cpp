// teaser: a quiz of Chinese brain teasers in one window.
#include "app/program_directory.h"
#include "app/teaser_program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    teaser::TeaserProgram program(teaser::ProgramDirectory());
    program.start();
    return application.exec();
}
