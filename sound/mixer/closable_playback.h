// A playback service that can be closed, and the one entry point of the
// mixer module: the program loads SDL2_mixer, and the dozens of libraries
// it brings, only when it opens the audio, off the window's thread.
#pragma once

#include "core/playback.h"

#include <chrono>

namespace teaser {

class ClosablePlayback : public PlaybackService {
public:
    // Stops every sound and closes the device. False when it could not
    // within `patience`; the process should then end without waiting.
    virtual bool shutDown(std::chrono::milliseconds patience) = 0;
};

// The module's function that starts a playback service over SDL2_mixer
// with Debian's SoundFont, opening the device at once.
using MakeMixerPlayback = ClosablePlayback *();
inline constexpr const char *makeMixerPlaybackName = "teaser_make_mixer_playback";

}
