#include "sound/mixer/mixer_fixture.h"

namespace teaser::testing {
namespace {

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
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    MixerPlayback playback;
    playback.PlaySound(committedCue("reveal"), false);
    playback.PlaySound(writeSong(), true);
    playback.StopSound();
    EXPECT_FALSE(playback.waitUntilReady());
}

TEST_F(MixerPlaybackTest, aFolderAsASoundFileIsSkippedAtOnce)
{
    const auto folder = directory.path() / "folder";
    std::filesystem::create_directory(folder);
    WarningLog warnings;
    for (const bool song : {false, true}) {
        const std::string what = song ? "a folder as a song" : "a folder as timu.wav";
        expectSkippedAndCueHeard(folder, song, what);
        const auto logged = WarningLog::taken();
        ASSERT_EQ(logged.size(), 1u) << what;
        EXPECT_NE(logged[0].find("not a regular file"), std::string::npos) << what << ": " << logged[0];
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
