// The real playback service, heard through SDL's "disk" audio driver, which
// writes the mixed output (signed 16-bit stereo, 44100 Hz) to a file.
#include "sound/mixer/mixer_playback.h"

#include "sound/mixer/midi_samples.h"
#include "support/scratch_directory.h"

#include <QtGlobal>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <span>
#include <sys/stat.h>
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

    // Waits until the recording holds this many seconds of output. The
    // recording runs on the audio device's clock, which a busy machine may
    // slow down: a test waits for it, not for the wall clock.
    void recordFor(double seconds) const
    {
        const auto enough = std::uintmax_t(seconds * framesPerSecond) * 4;
        const auto giveUp = std::chrono::steady_clock::now() + 20s;
        std::error_code error;
        while (std::filesystem::file_size(output, error) < enough || error) {
            ASSERT_LT(std::chrono::steady_clock::now(), giveUp) << "the recording stopped growing";
            std::this_thread::sleep_for(20ms);
        }
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

    std::filesystem::path writeSong(const std::string &bytes = oneSecondSong(), const char *name = "song.mid")
    {
        const auto path = directory.path() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    // Plays the sound that should be skipped, then a cue: the cue is heard
    // at once, whatever the sound was.
    void expectSkippedAndCueHeard(const std::filesystem::path &path, bool loop, const std::string &what)
    {
        const auto start = std::chrono::steady_clock::now();
        {
            MixerPlayback playback;
            ASSERT_TRUE(playback.waitUntilReady()) << what;
            playback.PlaySound(path, loop);
            playback.PlaySound(committedCue("correct"), false);
            recordFor(0.7);
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, 5s) << what << ": the service was held up";
        EXPECT_GT(level(0, 0.6), 300.0) << what << ": the cue after it was not heard";
    }

    ScratchDirectory directory;
    std::filesystem::path output;
};

TEST_F(MixerPlaybackTest, aBuiltInCueIsReallyMixed)
{
    {
        MixerPlayback playback;
        ASSERT_TRUE(playback.waitUntilReady());
        playback.PlaySound(committedCue("correct"), false);
        recordFor(0.8);
    }
    EXPECT_GT(level(0, 0.8), 300.0);
}

TEST_F(MixerPlaybackTest, theQuestionCueIsReadFromItsFile)
{
    {
        MixerPlayback playback;
        playback.PlaySound(std::filesystem::path(TEASER_PROGRAM_DIR) / "timu.wav", false);
        recordFor(0.6);
    }
    EXPECT_GT(level(0, 0.6), 300.0);
}

TEST_F(MixerPlaybackTest, cuesStartAtOnceAndOverlap)
{
    // Asked for before the device is open, they play once it is; the caller
    // never waits, for the device or for a cue to finish.
    {
        MixerPlayback playback;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 20; ++i)
            playback.PlaySound(i % 2 ? committedCue("tick") : committedCue("wrong"), false);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 100ms);
        recordFor(0.5);
    }
    EXPECT_GT(level(0, 0.4), 300.0);
}

TEST_F(MixerPlaybackTest, aMissingFileStaysSilentAndChangesNothing)
{
    {
        MixerPlayback playback;
        playback.PlaySound(directory.path() / "absent.wav", false);
        playback.PlaySound(directory.path() / "absent.mid", true);
        playback.StopSound();
        EXPECT_TRUE(playback.waitUntilReady());
        recordFor(0.3);
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
    EXPECT_FALSE(playback.waitUntilReady());
}

TEST_F(MixerPlaybackTest, aSongSoundsLoopsPastItsEndAndStops)
{
    const auto song = writeSong();
    {
        MixerPlayback playback;
        playback.PlaySound(song, true);
        recordFor(2.5);
        // The one-second song is on its third time round now.
        playback.StopSound();
        recordFor(3.1);
    }
    // The stop reaches the device a little after the test asks for it: it
    // is heard in the recording's last 0.3 s.
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
        recordFor(0.5);
    }
    // The cue still plays; only the song is silent.
    EXPECT_GT(level(0, 0.1), 100.0);
    EXPECT_LT(level(0.3, 0.5), 1.0);
}

// Warnings the playback service logs, from whatever thread.
class WarningLog {
public:
    WarningLog() { previous_ = qInstallMessageHandler(&WarningLog::keep); }
    ~WarningLog() { qInstallMessageHandler(previous_); }

    static std::vector<std::string> taken()
    {
        const std::lock_guard lock(mutex_);
        return std::exchange(messages_, {});
    }

private:
    static void keep(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        const std::lock_guard lock(mutex_);
        messages_.push_back(message.toStdString());
    }

    static inline std::mutex mutex_;
    static inline std::vector<std::string> messages_;
    QtMessageHandler previous_ = nullptr;
};

TEST_F(MixerPlaybackTest, aSoundFileThatIsNoRegularFileIsSkippedAtOnce)
{
    const auto folder = directory.path() / "folder";
    std::filesystem::create_directory(folder);
    const auto fifo = directory.path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const auto zeros = directory.path() / "zeros";
    std::filesystem::create_symlink("/dev/zero", zeros);
    const auto noise = directory.path() / "noise";
    std::filesystem::create_symlink("/dev/urandom", noise);

    WarningLog warnings;
    for (const auto &path : {folder, fifo, zeros, noise}) {
        for (const bool song : {false, true}) {
            const std::string what = path.filename().string() + (song ? " as a song" : " as timu.wav");
            expectSkippedAndCueHeard(path, song, what);
            const auto logged = WarningLog::taken();
            ASSERT_EQ(logged.size(), 1u) << what;
            EXPECT_NE(logged[0].find("not a regular file"), std::string::npos) << what << ": " << logged[0];
        }
    }
}

TEST_F(MixerPlaybackTest, aSongTheSynthesizerCannotPlayIsSkippedQuietly)
{
    WarningLog warnings;
    for (const BrokenSong &song : brokenSongs()) {
        expectSkippedAndCueHeard(writeSong(song.bytes, "broken.mid"), true, song.what);
        const auto logged = WarningLog::taken();
        ASSERT_EQ(logged.size(), 1u) << song.what;
        EXPECT_NE(logged[0].find("is skipped"), std::string::npos) << song.what << ": " << logged[0];
    }
}

TEST_F(MixerPlaybackTest, aSongMayFollowASkippedOne)
{
    {
        MixerPlayback playback;
        playback.PlaySound(writeSong("", "empty.mid"), true);
        playback.PlaySound(writeSong(), true);
        recordFor(0.8);
    }
    EXPECT_GT(level(0.1, 0.6), 100.0);
}

TEST_F(MixerPlaybackTest, shuttingDownEndsTheAudioThreadPromptly)
{
    MixerPlayback playback;
    playback.PlaySound(writeSong(), true);
    playback.PlaySound(committedCue("wrong"), false);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(playback.shutDown(2s));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
    EXPECT_TRUE(playback.shutDown(2s)) << "a second shut-down has nothing left to do";
}

}
}
