// The program's playback service until the real one is loaded: loading it
// (SDL2_mixer, FluidSynth and the libraries they bring) takes longer than
// the window needs to appear, so it happens on a thread of its own once the
// window is up. Sounds asked for in the meantime play when it is there.
#pragma once

#include "sound/mixer/closable_playback.h"

#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace teaser {

class DeferredPlayback final : public ClosablePlayback {
public:
    // `load` makes the real service, or gives nullptr when there is none;
    // then the quiz goes on silently.
    explicit DeferredPlayback(std::function<std::unique_ptr<ClosablePlayback>()> load);
    ~DeferredPlayback() override;
    DeferredPlayback(const DeferredPlayback &) = delete;
    DeferredPlayback &operator=(const DeferredPlayback &) = delete;

    // Starts loading the real service; later calls do nothing.
    void open();

    void PlaySound(const SoundSource &source, bool loop) override;
    void StopSound() override;
    // Waits for the loading to end, then shuts the real service down.
    bool shutDown(std::chrono::milliseconds patience) override;

private:
    struct Waiting {
        SoundSource source;
        bool loop;
    };

    void takeOver(std::unique_ptr<ClosablePlayback> loaded);

    std::function<std::unique_ptr<ClosablePlayback>()> load_;
    std::thread loader_;
    std::mutex mutex_;
    bool given_up_ = false; // guarded by mutex_, with what follows
    std::unique_ptr<ClosablePlayback> playback_;
    std::vector<Waiting> waiting_;
};

}
