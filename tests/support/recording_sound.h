// A playback service that records what was played, for the handler tests.
#pragma once

#include "core/playback.h"
#include "support/event_log.h"

#include <string>
#include <vector>

namespace teaser::testing {

struct PlayedSound {
    SoundSource source;
    bool loop = false;
};

class RecordingSound final : public PlaybackService {
public:
    explicit RecordingSound(EventLog &log)
        : log_(log)
    {
    }

    void PlaySound(const SoundSource &source, bool loop) override;
    void StopSound() override;

    std::vector<PlayedSound> played;
    int stops = 0;

private:
    EventLog &log_;
};

// "cue reveal" for a built-in cue, "file <name>" for a file, "+loop" when looped.
std::string describe(const SoundSource &source, bool loop);

}
