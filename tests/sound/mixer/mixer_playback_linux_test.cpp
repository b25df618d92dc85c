// What only the Linux build has: songs that FluidSynth renders into the
// mix, found with Debian's SoundFont; and FIFOs and devices as sound files.
#include "sound/mixer/mixer_fixture.h"

#include <sys/stat.h>

namespace teaser::testing {
namespace {

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

TEST_F(MixerPlaybackTest, aFifoOrADeviceAsASoundFileIsSkippedAtOnce)
{
    const auto fifo = directory.path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const auto zeros = directory.path() / "zeros";
    std::filesystem::create_symlink("/dev/zero", zeros);
    const auto noise = directory.path() / "noise";
    std::filesystem::create_symlink("/dev/urandom", noise);

    WarningLog warnings;
    for (const auto &path : {fifo, zeros, noise}) {
        for (const bool song : {false, true}) {
            const std::string what = path.filename().string() + (song ? " as a song" : " as timu.wav");
            expectSkippedAndCueHeard(path, song, what);
            const auto logged = WarningLog::taken();
            ASSERT_EQ(logged.size(), 1u) << what;
            EXPECT_NE(logged[0].find("not a regular file"), std::string::npos) << what << ": " << logged[0];
        }
    }
}

}
}
