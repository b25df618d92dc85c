#include "app/deferred_playback.h"
#include "app/mixer_loader.h"

#include "support/recording_sound.h"
#include "support/scratch_directory.h"

#include <gtest/gtest.h>

#include <future>

namespace teaser::testing {
namespace {

using namespace std::chrono_literals;

// The real service, as the test sees it: what it was asked to play, and
// whether and how it was shut down.
struct ServiceLog {
    std::mutex mutex;
    std::vector<std::string> calls;
    bool shutDownResult = true;

    void add(std::string call)
    {
        const std::lock_guard lock(mutex);
        calls.push_back(std::move(call));
    }
    std::vector<std::string> taken()
    {
        const std::lock_guard lock(mutex);
        return calls;
    }
    // The service takes over on the loader's thread; shutting down before
    // it has would rightly drop what waits.
    void waitFor(std::size_t count)
    {
        for (int i = 0; i < 5000 && taken().size() < count; ++i)
            std::this_thread::sleep_for(1ms);
    }
};

class LoggingPlayback final : public ClosablePlayback {
public:
    explicit LoggingPlayback(ServiceLog &log)
        : log_(log)
    {
    }
    void PlaySound(const SoundSource &source, bool loop) override { log_.add(describe(source, loop)); }
    void StopSound() override { log_.add("stop"); }
    bool shutDown(std::chrono::milliseconds) override
    {
        log_.add("shut down");
        return log_.shutDownResult;
    }

private:
    ServiceLog &log_;
};

// A loader that finishes only when the test lets it.
struct GatedLoader {
    ServiceLog log;
    std::promise<bool> gate; // true: a service is there; false: none
    std::atomic<int> loads = 0;

    std::function<std::unique_ptr<ClosablePlayback>()> function()
    {
        return [this]() -> std::unique_ptr<ClosablePlayback> {
            ++loads;
            if (!gate.get_future().get())
                return nullptr;
            return std::make_unique<LoggingPlayback>(log);
        };
    }
};

const std::filesystem::path cue = "timu.wav";
const std::filesystem::path firstSong = "sound/记事本.mid";
const std::filesystem::path secondSong = "sound/三角志.mid";

TEST(DeferredPlaybackTest, whatIsAskedWhileLoadingPlaysOnceTheServiceIsThere)
{
    GatedLoader loader;
    DeferredPlayback playback(loader.function());
    playback.PlaySound(firstSong, true);
    playback.open();
    playback.PlaySound(cue, false);
    playback.PlaySound(secondSong, true); // replaces the first song, which never started
    playback.PlaySound(cue, false);
    loader.gate.set_value(true);
    loader.log.waitFor(3);
    EXPECT_TRUE(playback.shutDown(1s));
    EXPECT_EQ(loader.log.taken(), (std::vector<std::string>{describe(cue, false), describe(secondSong, true),
                                                            describe(cue, false), "shut down"}));
}

TEST(DeferredPlaybackTest, stoppingWhileLoadingDropsTheSongButNotTheCues)
{
    GatedLoader loader;
    DeferredPlayback playback(loader.function());
    playback.open();
    playback.PlaySound(firstSong, true);
    playback.PlaySound(cue, false);
    playback.StopSound();
    loader.gate.set_value(true);
    loader.log.waitFor(1);
    playback.shutDown(1s);
    EXPECT_EQ(loader.log.taken(), (std::vector<std::string>{describe(cue, false), "shut down"}));
}

TEST(DeferredPlaybackTest, onceLoadedEveryCallGoesStraightThrough)
{
    GatedLoader loader;
    loader.gate.set_value(true);
    DeferredPlayback playback(loader.function());
    playback.open();
    playback.open(); // loads once
    // Loading ends on its own thread; shutting down waits for it.
    while (loader.loads == 0)
        std::this_thread::yield();
    for (int i = 0; i < 1000 && loader.log.taken().empty(); ++i) {
        playback.PlaySound(cue, false);
        std::this_thread::sleep_for(1ms);
    }
    playback.StopSound();
    loader.log.shutDownResult = false;
    EXPECT_FALSE(playback.shutDown(1s)) << "a service that did not stop in time is said so";
    EXPECT_EQ(loader.loads, 1);
    const auto calls = loader.log.taken();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[calls.size() - 2], "stop");
    EXPECT_EQ(calls.back(), "shut down");
}

TEST(DeferredPlaybackTest, endingWhileLoadingPlaysNothingAndClosesTheLateService)
{
    GatedLoader loader;
    DeferredPlayback playback(loader.function());
    playback.open();
    playback.PlaySound(firstSong, true);
    std::thread letGo([&] {
        std::this_thread::sleep_for(20ms);
        loader.gate.set_value(true);
    });
    EXPECT_TRUE(playback.shutDown(1s)); // waits for the loading to end
    letGo.join();
    EXPECT_EQ(loader.log.taken(), std::vector<std::string>{"shut down"});
}

TEST(DeferredPlaybackTest, withNoServiceTheQuizGoesOnSilently)
{
    GatedLoader loader;
    DeferredPlayback playback(loader.function());
    playback.open();
    playback.PlaySound(cue, false);
    loader.gate.set_value(false);
    EXPECT_TRUE(playback.shutDown(1s));
    playback.PlaySound(firstSong, true);
    playback.StopSound();
    EXPECT_TRUE(loader.log.taken().empty());
}

TEST(DeferredPlaybackTest, nothingIsLoadedWhenTheProgramEndsFirst)
{
    GatedLoader loader;
    {
        DeferredPlayback playback(loader.function());
        playback.PlaySound(firstSong, true);
        EXPECT_TRUE(playback.shutDown(1s));
        playback.open();
    }
    EXPECT_EQ(loader.loads, 0);
}

#ifdef TEASER_MIXER_MODULE_EXPECTED
TEST(MixerLoaderTest, theModuleBesideTheProgramIsLoadedAndAFolderWithoutItGivesNone)
{
    auto playback = loadMixerPlayback(TEASER_PROGRAM_DIR);
    ASSERT_NE(playback, nullptr);
    EXPECT_TRUE(playback->shutDown(5s));
    ScratchDirectory empty;
    EXPECT_EQ(loadMixerPlayback(empty.path()), nullptr);
    EXPECT_EQ(loadMixerPlayback({}), nullptr);
}
#endif

}
}
