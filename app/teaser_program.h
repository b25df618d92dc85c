// The whole program: its quiz state, window, playback and the start-up that
// ties them together. main() runs one; the benchmarks time one.
#pragma once

#include "app/deferred_playback.h"
#include "core/quiz_context.h"
#include "ui/main_window.h"
#include "ui/widget_window.h"

#include <chrono>
#include <filesystem>
#include <optional>

namespace teaser {

class TeaserProgram {
public:
    // Without a program folder nothing is read, and the user is told.
    explicit TeaserProgram(std::optional<std::filesystem::path> programDirectory);

    // Binds the events, loads the first bank, starts the default song and
    // shows the window: the first click finds the bank in place. What went
    // wrong on the way is said once the window is on screen.
    void start();

    // See ClosablePlayback::shutDown.
    bool stopSound(std::chrono::milliseconds patience) { return playback_.shutDown(patience); }

    MainWindow &window() { return window_; }
    QuizContext &quiz() { return quiz_; }

private:
    QuizState state_; // created first, released last
    MainWindow window_;
    WidgetWindow windowOperations_{window_};
    DeferredPlayback playback_;
    QuizContext quiz_;
};

}
