// The real playback service, heard through SDL's "disk" audio driver, which
// writes the mixed output (signed 16-bit stereo, 44100 Hz) to a file.
#include "sound/mixer/mixer_playback.h"

#include "support/scratch_directory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <span>
#include <thread>
#include <vector>

namespace teaser::testing {
namespace {

using namespace std::chrono_literals;

constexpr int framesPerSecond = 44100;

// The bytes of a committed cue, held for the whole run as the program holds
// its built-in cues.
std::span<const std::uint8_t> committedCue(const std::string &name)
{
    static std::map<std::string, std::vector<std::uint8_t>> cues;
    auto &bytes = cues[name];
    if (bytes.empty()) {
        std::ifstream file(std::string(TEASER_SOURCE_DIR) + "/sound/cues/" + name + ".wav", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    return bytes;
}

// A one-second MIDI file: a piano chord held for most of a second at 120 bpm.
std::string oneSecondSong()
{
    const std::string events = std::string("\x00\xC0\x00", 3)                                   // piano
                               + std::string("\x00\x90\x3C\x64\x00\x90\x40\x64\x00\x90\x43\x64", 12)
                               + std::string("\x83\x60\x80\x3C\x00\x00\x80\x40\x00\x00\x80\x43\x00", 13)
                               + std::string("\x20\xFF\x2F\x00", 4);
    const auto length = char(events.size());
    return std::string("MThd\0\0\0\x06\0\0\0\x01\x01\xE0", 14) + std::string("MTrk\0\0\0", 7) + length + events;
}

class MixerPlaybackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        output = directory.path() / "mixed.raw";
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    }

    void TearDown() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }

    std::vector<std::int16_t> mixed() const
    {
        std::ifstream file(output, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        std::vector<std::int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return samples;
    }

    // Root mean square of the output between two times, in seconds.
    double level(double from, double to) const
    {
        const auto samples = mixed();
        const auto begin = std::min(samples.size(), std::size_t(from * framesPerSecond * 2));
        const auto end = std::min(samples.size(), std::size_t(to * framesPerSecond * 2));
        if (end <= begin)
            return 0;
        double sum = 0;
        for (std::size_t i = begin; i < end; ++i)
            sum += double(samples[i]) * samples[i];
        return std::sqrt(sum / double(end - begin));
    }

    std::filesystem::path writeSong()
    {
        const auto path = directory.path() / "song.mid";
        std::ofstream(path, std::ios::binary) << oneSecondSong();
        return path;
    }

    ScratchDirectory directory;
    std::filesystem::path output;
};

TEST_F(MixerPlaybackTest, aBuiltInCueIsReallyMixed)
{
    {
        MixerPlayback playback;
        playback.open();
        ASSERT_TRUE(playback.isOpen());
        playback.PlaySound(committedCue("correct"), false);
        std::this_thread::sleep_for(800ms);
    }
    EXPECT_GT(level(0, 0.8), 300.0);
}

TEST_F(MixerPlaybackTest, theQuestionCueIsReadFromItsFile)
{
    {
        MixerPlayback playback;
        playback.PlaySound(std::filesystem::path(TEASER_PROGRAM_DIR) / "timu.wav", false);
        std::this_thread::sleep_for(600ms);
    }
    EXPECT_GT(level(0, 0.6), 300.0);
}

TEST_F(MixerPlaybackTest, cuesStartAtOnceAndOverlap)
{
    MixerPlayback playback;
    playback.open();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 20; ++i)
        playback.PlaySound(i % 2 ? committedCue("tick") : committedCue("wrong"), false);
    // Never waits for a cue to finish: twenty cues of up to two seconds each.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

TEST_F(MixerPlaybackTest, aMissingFileStaysSilentAndChangesNothing)
{
    {
        MixerPlayback playback;
        playback.PlaySound(directory.path() / "absent.wav", false);
        playback.PlaySound(directory.path() / "absent.mid", true);
        playback.StopSound();
        EXPECT_TRUE(playback.isOpen());
        std::this_thread::sleep_for(300ms);
    }
    EXPECT_LT(level(0, 0.3), 1.0);
}

TEST_F(MixerPlaybackTest, withoutAnAudioDeviceEverythingIsSilentlyIgnored)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    MixerPlayback playback;
    playback.PlaySound(committedCue("reveal"), false);
    playback.PlaySound(writeSong(), true);
    playback.StopSound();
    EXPECT_FALSE(playback.isOpen());
}

TEST_F(MixerPlaybackTest, aSongSoundsLoopsPastItsEndAndStops)
{
    const auto song = writeSong();
    {
        MixerPlayback playback;
        playback.PlaySound(song, true);
        std::this_thread::sleep_for(2500ms);
        // The one-second song is on its third time round now.
        playback.StopSound();
        std::this_thread::sleep_for(600ms);
    }
    // The recording runs on the audio thread's clock, which may lag the
    // test's on a busy machine: the loop is heard well inside the time it
    // played, and the stop in the recording's last 0.3 s.
    const double recorded = double(mixed().size()) / 2 / framesPerSecond;
    EXPECT_GT(level(0.1, 0.8), 100.0) << "the SoundFont was not found";
    EXPECT_GT(level(1.6, 1.9), 100.0) << "the song did not loop";
    EXPECT_LT(level(recorded - 0.3, recorded), 1.0) << "the song did not stop";
}

TEST_F(MixerPlaybackTest, withNoSoundFontAndNoPatchesSongsAreSilent)
{
    {
        MixerPlayback playback(MixerOptions{{directory.path() / "none.sf2"}, {directory.path() / "none.cfg"}});
        playback.PlaySound(writeSong(), true);
        playback.PlaySound(committedCue("tick"), false);
        std::this_thread::sleep_for(500ms);
    }
    // The cue still plays; only the song is silent.
    EXPECT_GT(level(0, 0.1), 100.0);
    EXPECT_LT(level(0.3, 0.5), 1.0);
}

}
}
