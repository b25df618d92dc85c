#include "sound/cues.h"

#include "sound/cue_bytes.h"
#include "support/quiz_fixture.h"

#include <cmath>
#include <cstring>

namespace teaser::testing {
namespace {

std::uint32_t le32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 | std::uint32_t(bytes[at + 2]) << 16
           | std::uint32_t(bytes[at + 3]) << 24;
}

std::uint16_t le16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint16_t(bytes[at] | bytes[at + 1] << 8);
}

bool tagAt(std::span<const std::uint8_t> bytes, std::size_t at, const char *tag)
{
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

struct CueLayout {
    const char *name;
    std::span<const std::uint8_t> bytes;
    std::size_t fileSize;
    std::uint32_t sampleBytes;
};

TEST(BuiltInCuesTest, areWholeEightBitMonoWaveFilesOfTheirSizes)
{
    const CueLayout cues[] = {
        {"reveal", cue_bytes::reveal(), 7740, 7696},
        {"correct", cue_bytes::correct(), 14968, 14924},
        {"wrong", cue_bytes::wrong(), 22104, 22059},
        {"tick", cue_bytes::tick(), 1516, 1472},
    };
    for (const CueLayout &cue : cues) {
        SCOPED_TRACE(cue.name);
        const auto bytes = cue.bytes;
        ASSERT_EQ(bytes.size(), cue.fileSize);
        EXPECT_TRUE(tagAt(bytes, 0, "RIFF"));
        EXPECT_EQ(le32(bytes, 4), cue.fileSize - 8);
        EXPECT_TRUE(tagAt(bytes, 8, "WAVE"));
        EXPECT_TRUE(tagAt(bytes, 12, "fmt "));
        EXPECT_EQ(le32(bytes, 16), 16u);
        EXPECT_EQ(le16(bytes, 20), 1); // PCM
        EXPECT_EQ(le16(bytes, 22), 1); // mono
        EXPECT_EQ(le32(bytes, 24), 11025u);
        EXPECT_EQ(le32(bytes, 28), 11025u); // bytes per second
        EXPECT_EQ(le16(bytes, 32), 1);      // block align
        EXPECT_EQ(le16(bytes, 34), 8);
        EXPECT_TRUE(tagAt(bytes, 36, "data"));
        EXPECT_EQ(le32(bytes, 40), cue.sampleBytes);

        // Not silent: the samples swing well away from the 8-bit centre.
        double energy = 0;
        for (std::size_t i = 44; i < 44 + cue.sampleBytes; ++i)
            energy += std::pow(double(bytes[i]) - 128, 2);
        EXPECT_GT(std::sqrt(energy / cue.sampleBytes), 5.0);
    }
}

class CuePlayingTest : public QuizFixture { };

TEST_F(CuePlayingTest, theQuestionCueIsTheFileBesideTheProgramAndNotLooped)
{
    PlayCue(quiz, Cue::question);
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(std::get<std::filesystem::path>(sound.played[0].source), directory.path() / "timu.wav");
    EXPECT_FALSE(sound.played[0].loop);
}

TEST_F(CuePlayingTest, builtInCuesPlayFromMemory)
{
    for (const Cue cue : {Cue::reveal, Cue::correct, Cue::wrong, Cue::tick})
        PlayCue(quiz, cue);
    EXPECT_EQ(log.events,
              (std::vector<std::string>{"sound cue reveal", "sound cue correct", "sound cue wrong", "sound cue tick"}));
}

}
}
