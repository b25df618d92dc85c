// Everything a handler works on: the quiz state, the window and the sound.
#pragma once

#include "core/playback.h"
#include "core/quiz_state.h"
#include "core/window.h"

#include <cstdint>
#include <filesystem>
#include <functional>

namespace teaser {

// A millisecond tick count: a seed that differs from draw to draw.
std::uint32_t millisecondClock();

struct QuizContext {
    QuizState &state;
    Window &window;
    PlaybackService &sound;
    std::filesystem::path programDirectory;
    std::function<std::uint32_t()> randomSeed = millisecondClock;
};

}
