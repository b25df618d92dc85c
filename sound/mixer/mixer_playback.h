// The playback service over SDL2_mixer: cues mix over a looping song.
//
// Every call into SDL happens on the service's own audio thread, which opens
// the device, loads the SoundFont, reads the files and plays them. The
// caller only hands over a request and never waits, whatever the device or
// the files do: opening the device takes up to a few hundred milliseconds,
// and the mixer's lock may be held for as long as the synthesizer renders.
#pragma once

#include "sound/mixer/closable_playback.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <vector>

namespace teaser {

struct MixerOptions {
    // General MIDI SoundFonts for FluidSynth, the first that exists is used.
    std::vector<std::filesystem::path> soundFonts;
    // Patch set configurations for Timidity, used when no SoundFont exists.
    std::vector<std::filesystem::path> timidityConfigs;
};

// The SoundFont and patch sets that Debian installs.
MixerOptions debianMixerOptions();

class MixerPlayback final : public ClosablePlayback {
public:
    // Starts the audio thread, which opens the device. Sounds asked for
    // before the device is open play as soon as it is.
    explicit MixerPlayback(MixerOptions options = debianMixerOptions());
    // Stops, waiting a few seconds at most (see shutDown).
    ~MixerPlayback() override;
    MixerPlayback(const MixerPlayback &) = delete;
    MixerPlayback &operator=(const MixerPlayback &) = delete;

    void PlaySound(const SoundSource &source, bool loop) override;
    void StopSound() override;

    // Waits until the device is open or known to be missing (or the service
    // shut down before it could open), and says whether it is open. For tests
    // and probes; the program never waits.
    bool waitUntilReady();

    // Stops every sound and closes the device. False when the audio thread
    // did not finish within `patience`: it is then left to end with the
    // process, and the process should end without waiting for it.
    bool shutDown(std::chrono::milliseconds patience) override;

private:
    struct Shared;
    static void runAudioThread(const std::shared_ptr<Shared> &shared);

    std::shared_ptr<Shared> shared_; // also held by the audio thread
};

}
