// Renders every committed song as the program plays it (FluidSynth with the
// TimGM6mb SoundFont and SDL2_mixer's settings) and holds them to how they
// must sound: one loudness for all, the tune clearly over the backing, a
// real rise and fall, and no clipping. Songs added later are held too.

#include "audio/loudness.h"
#include "audio/midi_notes.h"
#include "audio/song_render.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr const char *soundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Where the songs sit: quiet enough behind a quiz, and the same for all.
constexpr double targetLoudness = -19.5;  // LUFS
constexpr double loudnessTolerance = 0.5; // LU either side: all within 1 LU of one another

struct Figures {
    double loudness;
    double leadOverBacking;
    double loudnessRange;
    double peak;
};

Figures measure(const std::filesystem::path &path)
{
    const std::vector<std::uint8_t> bytes = audio::readFileBytes(path.string());
    auto isLead = [](int channel) { return channel == 0 || channel == 1; };
    const auto whole = audio::renderSong(bytes, soundFont, [](int) { return true; });
    const auto lead = audio::renderSong(bytes, soundFont, isLead);
    const auto backing = audio::renderSong(bytes, soundFont, [&](int channel) { return !isLead(channel); });
    return {audio::integratedLoudness(whole), audio::integratedLoudness(lead) - audio::integratedLoudness(backing),
            audio::loudnessRange(whole), audio::peakLevel(whole)};
}

// Rendering takes a few seconds a song, so every test shares one pass.
const std::map<std::string, Figures> &allFigures()
{
    static const std::map<std::string, Figures> figures = [] {
        std::map<std::string, Figures> measured;
        for (const auto &entry : std::filesystem::directory_iterator(std::string(TEASER_SOURCE_DIR) + "/data/sound"))
            if (entry.path().extension() == ".mid")
                measured[entry.path().filename().string()] = measure(entry.path());
        return measured;
    }();
    return figures;
}

class SongSound : public testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(soundFont))
            GTEST_SKIP() << "the TimGM6mb SoundFont is not installed";
        ASSERT_GE(allFigures().size(), 7u);
    }
};

// Switching songs must not jump in volume.
TEST_F(SongSound, AllSongsPlayAtOneLoudness)
{
    for (const auto &[song, figures] : allFigures())
        EXPECT_NEAR(figures.loudness, targetLoudness, loudnessTolerance) << song;
}

// Rendered alone, the lead is at least 6 dB louder than the rest together.
TEST_F(SongSound, TuneStandsSixDbOverTheBacking)
{
    for (const auto &[song, figures] : allFigures())
        EXPECT_GE(figures.leadOverBacking, 6.0) << song;
}

// Quiet intros and bridges against full choruses: at least 6 LU between
// the song's quieter and louder stretches (EBU loudness range).
TEST_F(SongSound, RisesAndFallsAcrossTheSong)
{
    for (const auto &[song, figures] : allFigures())
        EXPECT_GE(figures.loudnessRange, 6.0) << song;
}

// SDL2_mixer's gain of 1.2 must leave room: FluidSynth's 16-bit output clips
// at full scale.
TEST_F(SongSound, LeavesHeadroomAtTheMixersGain)
{
    for (const auto &[song, figures] : allFigures())
        EXPECT_LT(figures.peak, -1.0) << song;
}

}
