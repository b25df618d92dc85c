// The whole program: its quiz state, window, playback and the start-up that
// ties them together. main() runs one; the benchmarks time one.
#pragma once

#include "core/quiz_context.h"
#include "sound/mixer/mixer_playback.h"
#include "ui/main_window.h"
#include "ui/widget_window.h"

#include <filesystem>

namespace teaser {

class TeaserProgram {
public:
    explicit TeaserProgram(std::filesystem::path programDirectory);

    // Binds the events, shows the window and, once it is painted, loads the
    // first bank and starts the default song.
    void start();

    MainWindow &window() { return window_; }
    QuizContext &quiz() { return quiz_; }

private:
    QuizState state_; // created first, released last
    MainWindow window_;
    WidgetWindow windowOperations_{window_};
    MixerPlayback playback_;
    QuizContext quiz_;
    bool startedUp_ = false;
};

}
