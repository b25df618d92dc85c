#include "audio/loudness.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace audio {

namespace {

constexpr double absoluteGate = -70.0;

struct Biquad {
    double b0, b1, b2, a1, a2;
    double z1 = 0, z2 = 0;

    double operator()(double x)
    {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};

// The two K-weighting stages, designed for any rate as in BS.1770's annex.
Biquad highShelf(int rate)
{
    const double f0 = 1681.974450955533;
    const double gain = 3.999843853973347;
    const double q = 0.7071752369554196;
    const double k = std::tan(std::numbers::pi * f0 / rate);
    const double vh = std::pow(10.0, gain / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1.0 + k / q + k * k;
    return {(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
            2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

Biquad highPass(int rate)
{
    const double f0 = 38.13547087602444;
    const double q = 0.5003270373238773;
    const double k = std::tan(std::numbers::pi * f0 / rate);
    const double a0 = 1.0 + k / q + k * k;
    return {1.0, -2.0, 1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

std::vector<double> kWeightedSquares(const std::vector<float> &channel, int rate)
{
    Biquad shelf = highShelf(rate);
    Biquad pass = highPass(rate);
    std::vector<double> squares(channel.size());
    for (std::size_t i = 0; i < channel.size(); ++i) {
        const double y = pass(shelf(channel[i]));
        squares[i] = y * y;
    }
    return squares;
}

double meanPower(const std::vector<double> &powers)
{
    double sum = 0;
    for (double power : powers)
        sum += power;
    return powers.empty() ? 0.0 : sum / static_cast<double>(powers.size());
}

std::vector<double> aboveGate(const std::vector<double> &powers, double gateLufs)
{
    std::vector<double> kept;
    for (double power : powers)
        if (loudnessOf(power) > gateLufs)
            kept.push_back(power);
    return kept;
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(std::lround(fraction * static_cast<double>(values.size() - 1)));
    return values[index];
}

}

double loudnessOf(double power)
{
    return power > 0 ? -0.691 + 10.0 * std::log10(power) : -std::numeric_limits<double>::infinity();
}

std::vector<double> blockPowers(const StereoAudio &audio, double blockSeconds, double stepSeconds)
{
    const std::vector<double> left = kWeightedSquares(audio.left, audio.rate);
    const std::vector<double> right = kWeightedSquares(audio.right, audio.rate);
    std::vector<double> sums(left.size() + 1, 0.0);
    for (std::size_t i = 0; i < left.size(); ++i)
        sums[i + 1] = sums[i] + left[i] + right[i];
    const auto block = static_cast<std::size_t>(std::lround(blockSeconds * audio.rate));
    const auto step = static_cast<std::size_t>(std::lround(stepSeconds * audio.rate));
    std::vector<double> powers;
    for (std::size_t start = 0; start + block <= left.size(); start += step)
        powers.push_back((sums[start + block] - sums[start]) / static_cast<double>(block));
    return powers;
}

double integratedLoudness(const StereoAudio &audio)
{
    const std::vector<double> audible = aboveGate(blockPowers(audio, 0.4, 0.1), absoluteGate);
    const double relativeGate = loudnessOf(meanPower(audible)) - 10.0;
    return loudnessOf(meanPower(aboveGate(audible, relativeGate)));
}

double loudnessRange(const StereoAudio &audio)
{
    const std::vector<double> audible = aboveGate(blockPowers(audio, 3.0, 0.1), absoluteGate);
    const double relativeGate = loudnessOf(meanPower(audible)) - 20.0;
    std::vector<double> levels;
    for (double power : aboveGate(audible, relativeGate))
        levels.push_back(loudnessOf(power));
    if (levels.empty())
        return 0.0;
    return percentile(levels, 0.95) - percentile(levels, 0.10);
}

double peakLevel(const StereoAudio &audio)
{
    float peak = 0;
    for (const auto *channel : {&audio.left, &audio.right})
        for (float sample : *channel)
            peak = std::max(peak, std::abs(sample));
    return 20.0 * std::log10(std::max(peak, 1e-9f));
}

}
