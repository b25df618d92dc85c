#include "app/teaser_program.h"

#include "app/mixer_loader.h"
#include "app/startup.h"
#include "ui/event_bindings.h"
#include "ui/event_guard.h"
#include "ui/screen_placement.h"
#include "ui/vista_or_fusion_style.h"

#include <QTimer>

namespace teaser {

namespace {

const QPoint windowPlace(50, 50);

}

TeaserProgram::TeaserProgram(std::optional<std::filesystem::path> programDirectory)
    : playback_{[directory = programDirectory.value_or(std::filesystem::path())] {
        return loadMixerPlayback(directory);
    }}
    , quiz_{state_, windowOperations_, playback_, programDirectory.value_or(std::filesystem::path())}
{
}

void TeaserProgram::start()
{
    bindEvents(window_, quiz_);
    useVistaOrFusionStyle();
    // Loading the bank takes microseconds and the song only asks the audio
    // thread to start it, so the window is not held back.
    const std::optional<Text> problem = guarded("start-up", [this] { return RunStartUpSteps(quiz_); });
    moveOntoScreen(window_, windowPlace);
    QObject::connect(&window_, &MainWindow::firstPainted, &window_, [this, problem] {
        // Loading the sound libraries and the SoundFont while the window
        // paints for the first time would slow the paint down on a busy
        // machine; the song can wait until the paint is done.
        QTimer::singleShot(0, &window_, [this] { playback_.open(); });
        // Now the window manager's frame is known.
        moveOntoScreen(window_, window_.pos());
        if (problem)
            QTimer::singleShot(0, &window_,
                               [this, problem] { windowOperations_.showMessage(MessageIcon::warning, *problem); });
    });
    window_.show();
}

}
