// The real playback service, heard through SDL's "disk" audio driver, which
// writes the mixed output (signed 16-bit stereo, 44100 Hz) to a file.
#pragma once

#include "sound/mixer/midi_samples.h"
#include "sound/mixer/mixer_playback.h"
#include "support/scratch_directory.h"

#include <QtGlobal>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

namespace teaser::testing {

using namespace std::chrono_literals;

inline constexpr int framesPerSecond = 44100;

// The bytes of a committed cue, held for the whole run as the program holds
// its built-in cues.
inline std::span<const std::uint8_t> committedCue(const std::string &name)
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
        const std::u8string file = output.u8string();
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QByteArray(reinterpret_cast<const char *>(file.data()), qsizetype(file.size())));
    }

    void TearDown() override { qputenv("SDL_AUDIODRIVER", "dummy"); }

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

}
