#include "app/teaser_program.h"

#include "app/startup.h"
#include "ui/event_bindings.h"
#include "ui/vista_or_fusion_style.h"

#include <QTimer>
#include <chrono>

namespace teaser {

namespace {

constexpr std::chrono::milliseconds startUpAtTheLatest{500};

}

TeaserProgram::TeaserProgram(std::filesystem::path programDirectory)
    : quiz_{state_, windowOperations_, playback_, std::move(programDirectory)}
{
}

void TeaserProgram::start()
{
    bindEvents(window_, quiz_);
    useVistaOrFusionStyle();
    // The bank and the song load once the window is on screen: the window
    // appears at once, and a bank that cannot be used is reported over it.
    // A window that is not painted soon (hidden, or with no screen) starts
    // all the same.
    const auto startUpOnce = [this] {
        if (startedUp_)
            return;
        startedUp_ = true;
        RunStartUpSteps(quiz_);
    };
    QObject::connect(&window_, &MainWindow::firstPainted, &window_,
                     [this, startUpOnce] { QTimer::singleShot(0, &window_, startUpOnce); });
    QTimer::singleShot(startUpAtTheLatest, &window_, startUpOnce);
    window_.show();
}

}
