#include "app/deferred_playback.h"

#include <algorithm>

namespace teaser {

DeferredPlayback::DeferredPlayback(std::function<std::unique_ptr<ClosablePlayback>()> load)
    : load_(std::move(load))
{
}

DeferredPlayback::~DeferredPlayback()
{
    shutDown(std::chrono::seconds(3));
}

void DeferredPlayback::open()
{
    const std::lock_guard lock(mutex_);
    if (given_up_ || loader_.joinable())
        return;
    loader_ = std::thread([this] { takeOver(load_()); });
}

void DeferredPlayback::takeOver(std::unique_ptr<ClosablePlayback> loaded)
{
    const std::lock_guard lock(mutex_);
    if (!loaded || given_up_) {
        waiting_.clear();
        given_up_ = true;
        if (loaded)
            loaded->shutDown(std::chrono::seconds(2));
        return;
    }
    playback_ = std::move(loaded);
    for (const Waiting &sound : waiting_)
        playback_->PlaySound(sound.source, sound.loop);
    waiting_.clear();
}

void DeferredPlayback::PlaySound(const SoundSource &source, bool loop)
{
    const std::lock_guard lock(mutex_);
    if (playback_) {
        playback_->PlaySound(source, loop);
    } else if (!given_up_) {
        // Only the last song asked for is worth starting.
        if (loop)
            std::erase_if(waiting_, [](const Waiting &sound) { return sound.loop; });
        waiting_.push_back({source, loop});
    }
}

void DeferredPlayback::StopSound()
{
    const std::lock_guard lock(mutex_);
    if (playback_)
        playback_->StopSound();
    else
        std::erase_if(waiting_, [](const Waiting &sound) { return sound.loop; });
}

bool DeferredPlayback::shutDown(std::chrono::milliseconds patience)
{
    {
        const std::lock_guard lock(mutex_);
        given_up_ = true;
        waiting_.clear();
    }
    // Loading a library cannot be cut short; it ends by itself.
    if (loader_.joinable())
        loader_.join();
    std::unique_ptr<ClosablePlayback> playback;
    {
        const std::lock_guard lock(mutex_);
        playback = std::move(playback_);
    }
    return playback ? playback->shutDown(patience) : true;
}

}
