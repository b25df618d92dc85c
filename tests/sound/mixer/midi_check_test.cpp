#include "sound/mixer/midi_check.h"

#include "sound/mixer/midi_samples.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace teaser::testing {
namespace {

std::optional<std::string> problemOf(const std::string &bytes)
{
    return midiFileProblem({reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()});
}

TEST(MidiCheckTest, aSongThatPlaysPasses)
{
    EXPECT_EQ(problemOf(oneSecondSong()), std::nullopt);
    // Format 0, running status, a SysEx and a chunk of an unknown kind.
    const std::string events = std::string("\x00\xF0\x03\x7E\x7F\xF7", 6)
                               + std::string("\x00\x90\x3C\x40\x00\x40\x40\x83\x60\x3C\x00\x00\x40\x00", 14)
                               + endOfTrack;
    EXPECT_EQ(problemOf(midiHeader(0, 1, 96)
                        + std::string("XTRA\0\0\0\x02"
                                      "ab",
                                      10)
                        + midiTrack(events)),
              std::nullopt);
}

TEST(MidiCheckTest, everyKindOfBrokenOrEmptySongIsRefused)
{
    for (const BrokenSong &song : brokenSongs())
        EXPECT_NE(problemOf(song.bytes), std::nullopt) << song.what;
}

TEST(MidiCheckTest, refusalsSayWhatIsWrong)
{
    EXPECT_EQ(problemOf("RIFF...."), "not a MIDI file");
    EXPECT_EQ(problemOf(midiHeader(1, 1, 0xE728) + midiTrack(endOfTrack)), "timed in SMPTE frames");
    EXPECT_EQ(problemOf(midiHeader(2, 1, 480) + midiTrack(endOfTrack)), "format 2, not a song of one piece");
    EXPECT_EQ(problemOf(midiHeader(1, 2, 480) + midiTrack(endOfTrack)), "fewer tracks than its header says");
    EXPECT_EQ(problemOf(midiHeader(1, 1, 480) + midiTrack(std::string("\x00\x90\x3C\x40", 4))),
              "a track without End of Track");
    EXPECT_EQ(problemOf(midiHeader(1, 1, 480) + midiTrack(std::string("\x00\x3C\x40", 3) + endOfTrack)),
              "data bytes with no status before them");
    EXPECT_EQ(
        problemOf(midiHeader(1, 1, 480) + midiTrack(std::string("\x00\x90\x3C\x40\x10\x80\x3C\x00", 8) + endOfTrack)),
        "shorter than a quarter note");
    EXPECT_EQ(problemOf(midiHeader(1, 1, 480) + midiTrack(std::string("\x83\x60\x90\x3C\x00", 5) + endOfTrack)),
              "no note that sounds");
}

TEST(MidiCheckTest, theInstalledSongsPass)
{
    int songs = 0;
    for (const auto &entry :
         std::filesystem::directory_iterator(std::filesystem::path(TEASER_SOURCE_DIR) / "data/sound")) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_EQ(problemOf(bytes), std::nullopt) << entry.path();
        ++songs;
    }
    EXPECT_EQ(songs, 7);
}

}
}
