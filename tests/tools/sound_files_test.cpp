// Checks the committed sound files: the cues are built into the program as
// byte blocks of fixed size, and every file has to play cleanly anywhere.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t header_size = 44;

struct ExpectedWave {
    const char *path; // relative to the repository root
    std::uint32_t sample_rate;
    std::uint16_t bits_per_sample;
    std::uint32_t min_samples;
    std::uint32_t max_samples;
};

void PrintTo(const ExpectedWave &wave, std::ostream *out)
{
    *out << wave.path;
}

Bytes read_bytes(const std::string &relative_path)
{
    std::ifstream file(std::string(TEASER_SOURCE_DIR) + "/" + relative_path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t read_u16(const Bytes &bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes.at(offset) | bytes.at(offset + 1) << 8);
}

std::uint32_t read_u32(const Bytes &bytes, std::size_t offset)
{
    return read_u16(bytes, offset) | read_u16(bytes, offset + 2) << 16;
}

std::string read_tag(const Bytes &bytes, std::size_t offset)
{
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                       bytes.begin() + static_cast<std::ptrdiff_t>(offset + 4));
}

// Samples as fractions of full scale, -1 to 1.
std::vector<double> decode_samples(const Bytes &bytes)
{
    const std::uint32_t bits = read_u16(bytes, 34);
    const std::uint32_t data_size = read_u32(bytes, 40);
    std::vector<double> samples;
    for (std::size_t i = header_size; i < header_size + data_size; i += bits / 8) {
        if (bits == 8) {
            samples.push_back((bytes.at(i) - 128) / 128.0);
        } else {
            samples.push_back(static_cast<std::int16_t>(read_u16(bytes, i)) / 32768.0);
        }
    }
    return samples;
}

double rms(const std::vector<double> &samples)
{
    double sum = 0.0;
    for (double sample : samples) {
        sum += sample * sample;
    }
    return std::sqrt(sum / static_cast<double>(samples.size()));
}

double peak(const std::vector<double> &samples)
{
    double loudest = 0.0;
    for (double sample : samples) {
        loudest = std::max(loudest, std::abs(sample));
    }
    return loudest;
}

// The last `seconds` of a signal.
std::vector<double> lastPart(const std::vector<double> &samples, std::uint32_t rate, double seconds)
{
    const auto count = std::min(samples.size(), static_cast<std::size_t>(std::lround(seconds * rate)));
    return std::vector<double>(samples.end() - static_cast<std::ptrdiff_t>(count), samples.end());
}

double decibels(double amplitude)
{
    return amplitude > 0 ? 20.0 * std::log10(amplitude) : -std::numeric_limits<double>::infinity();
}

// Fourth-order Butterworth high-pass (two biquads): what is left of a cue's
// tail above 3 kHz is hiss, not its tones, which sit lower and decay sooner.
std::vector<double> highPassed(std::vector<double> samples, std::uint32_t rate, double cornerHz)
{
    for (const double q : {0.5411961, 1.3065630}) {
        const double w = 2.0 * std::numbers::pi * cornerHz / rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        const double b0 = (1.0 + std::cos(w)) / 2.0 / a0;
        const double b1 = -(1.0 + std::cos(w)) / a0;
        const double a1 = -2.0 * std::cos(w) / a0;
        const double a2 = (1.0 - alpha) / a0;
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (double &sample : samples) {
            const double y = b0 * sample + b1 * x1 + b0 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = sample;
            y2 = y1;
            y1 = y;
            sample = y;
        }
    }
    return samples;
}

class SoundFile : public testing::TestWithParam<ExpectedWave> {
protected:
    void SetUp() override
    {
        bytes_ = read_bytes(GetParam().path);
        ASSERT_GE(bytes_.size(), header_size) << "missing or truncated";
    }

    std::vector<double> samples() const { return decode_samples(bytes_); }

    Bytes bytes_;
};

TEST_P(SoundFile, RiffHeaderCoversTheWholeFile)
{
    EXPECT_EQ(read_tag(bytes_, 0), "RIFF");
    EXPECT_EQ(read_u32(bytes_, 4), bytes_.size() - 8);
    EXPECT_EQ(read_tag(bytes_, 8), "WAVE");
}

TEST_P(SoundFile, FormatChunkIsMonoPcm)
{
    const ExpectedWave &expected = GetParam();
    const std::uint32_t block_align = expected.bits_per_sample / 8u;
    EXPECT_EQ(read_tag(bytes_, 12), "fmt ");
    EXPECT_EQ(read_u32(bytes_, 16), 16u);
    EXPECT_EQ(read_u16(bytes_, 20), 1u) << "format tag";
    EXPECT_EQ(read_u16(bytes_, 22), 1u) << "channels";
    EXPECT_EQ(read_u32(bytes_, 24), expected.sample_rate);
    EXPECT_EQ(read_u32(bytes_, 28), expected.sample_rate * block_align) << "byte rate";
    EXPECT_EQ(read_u16(bytes_, 32), block_align);
    EXPECT_EQ(read_u16(bytes_, 34), expected.bits_per_sample);
}

TEST_P(SoundFile, DataChunkFillsTheRestWithWordPadding)
{
    const ExpectedWave &expected = GetParam();
    EXPECT_EQ(read_tag(bytes_, 36), "data");
    const std::uint32_t data_size = read_u32(bytes_, 40);
    const std::uint32_t pad = data_size % 2;
    EXPECT_EQ(bytes_.size(), header_size + data_size + pad);
    if (pad == 1) {
        EXPECT_EQ(bytes_.back(), 0);
    }
    const std::uint32_t sample_count = data_size / (expected.bits_per_sample / 8u);
    EXPECT_GE(sample_count, expected.min_samples);
    EXPECT_LE(sample_count, expected.max_samples);
}

TEST_P(SoundFile, IsClearlyAudible)
{
    EXPECT_GT(rms(samples()), 0.05);
}

TEST_P(SoundFile, StaysBelowFullScale)
{
    EXPECT_LT(peak(samples()), 0.95);
}

TEST_P(SoundFile, StartsAndEndsInSilence)
{
    constexpr std::size_t edge = 8;
    constexpr double quiet = 0.02;
    const std::vector<double> all = samples();
    ASSERT_GT(all.size(), 2 * edge);
    const std::vector<double> head(all.begin(), all.begin() + edge);
    const std::vector<double> tail(all.end() - edge, all.end());
    EXPECT_LT(peak(head), quiet);
    EXPECT_LT(peak(tail), quiet);
}

// A cue that is cut while it still rings ends in a click or a thud; ours
// die away first, so their last 30 ms are far below their average level.
TEST_P(SoundFile, RingsOutBeforeItEnds)
{
    const std::vector<double> all = samples();
    const std::uint32_t rate = GetParam().sample_rate;
    EXPECT_LT(decibels(rms(lastPart(all, rate, 0.03))) - decibels(rms(all)), -40.0);
}

// 8-bit rounding left hiss around -57 dBFS in the ringing tails; dithered and
// faded with the sound it has to stay at least 10 dB under that.
TEST_P(SoundFile, TailCarriesNoHiss)
{
    const std::uint32_t rate = GetParam().sample_rate;
    EXPECT_LT(decibels(rms(lastPart(highPassed(samples(), rate, 3000.0), rate, 0.03))), -66.0);
}

// The cues are fixed-length slots; the chime is free to be 0.5 to 1 s long.
INSTANTIATE_TEST_SUITE_P(CommittedSounds, SoundFile,
                         testing::Values(ExpectedWave{"sound/cues/reveal.wav", 11025, 8, 7696, 7696},
                                         ExpectedWave{"sound/cues/correct.wav", 11025, 8, 14924, 14924},
                                         ExpectedWave{"sound/cues/wrong.wav", 11025, 8, 22059, 22059},
                                         ExpectedWave{"sound/cues/tick.wav", 11025, 8, 1472, 1472},
                                         ExpectedWave{"data/timu.wav", 22050, 16, 11025, 22050}),
                         [](const testing::TestParamInfo<ExpectedWave> &test) {
                             const std::string path = test.param.path;
                             const std::size_t name_start = path.rfind('/') + 1;
                             return path.substr(name_start, path.rfind('.') - name_start);
                         });

TEST(CueFiles, HaveTheExactSizeOfTheirSlots)
{
    EXPECT_EQ(read_bytes("sound/cues/reveal.wav").size(), 7740u);
    EXPECT_EQ(read_bytes("sound/cues/correct.wav").size(), 14968u);
    EXPECT_EQ(read_bytes("sound/cues/wrong.wav").size(), 22104u);
    EXPECT_EQ(read_bytes("sound/cues/tick.wav").size(), 1516u);
}

TEST(CueFiles, WrongCuePadsItsOddDataChunk)
{
    const Bytes bytes = read_bytes("sound/cues/wrong.wav");
    ASSERT_EQ(bytes.size(), 22104u);
    EXPECT_EQ(read_u32(bytes, 4), 22096u);
    EXPECT_EQ(read_u32(bytes, 40), 22059u);
    EXPECT_EQ(bytes.back(), 0);
}

} // namespace
