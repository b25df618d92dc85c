// teaser: a quiz of Chinese brain teasers in one window.
#include "app/program_directory.h"
#include "app/quiz_context.h"
#include "app/startup.h"
#include "sound/mixer_playback.h"
#include "ui/event_bindings.h"
#include "ui/main_window.h"
#include "ui/themed_style.h"
#include "ui/widget_window.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    teaser::QuizState state;
    teaser::MainWindow window;
    teaser::WidgetWindow windowOperations(window);
    teaser::MixerPlayback playback;
    teaser::QuizContext quiz{state, windowOperations, playback, teaser::ProgramDirectory()};
    teaser::bindEvents(window, quiz);
    teaser::turnOnThemedStyle();

    // The bank and the song load once the window is on screen: the window
    // appears at once, and a bank that cannot be used is reported over it.
    QObject::connect(&window, &teaser::MainWindow::firstPainted, &window,
                     [&quiz] { QTimer::singleShot(0, [&quiz] { teaser::RunStartUpSteps(quiz); }); });
    window.show();
    return application.exec();
}
