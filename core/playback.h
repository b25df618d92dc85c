// The one playback service for the cues and the background music.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <variant>

namespace teaser {

// A sound file on disk, or the bytes of a whole sound file held in memory.
using SoundSource = std::variant<std::filesystem::path, std::span<const std::uint8_t>>;

class PlaybackService {
public:
    virtual ~PlaybackService() = default;

    // Starts the sound and returns at once. A looped source is a song (a MIDI
    // file) that replaces the song playing and repeats until StopSound(); any
    // other source is a WAVE cue that mixes over the song. Failures are never
    // reported: the quiz goes on silently.
    virtual void PlaySound(const SoundSource &source, bool loop = false) = 0;
    // Stops the song.
    virtual void StopSound() = 0;
};

}
