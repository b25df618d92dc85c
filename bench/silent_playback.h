#pragma once

#include "core/playback.h"

namespace teaser::bench {

// Plays nothing, so a benchmark times the handlers and the widgets alone.
class SilentPlayback final : public PlaybackService {
public:
    void PlaySound(const SoundSource &, bool) override { }
    void StopSound() override { }
};

}
