// make_sounds OUTDIR: synthesises the quiz's sound cues and writes them as
// WAVE files into OUTDIR. Everything is computed from the note data below, so
// the same program always writes the same bytes.
//
// Every cue rings out inside its slot: struck sounds fade at their own rates
// and a damper, like a hand on a bell, closes them smoothly before the end,
// so the last samples are true silence rather than a cut.

#include "common/bytes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <numbers>
#include <span>
#include <string_view>
#include <vector>

namespace {

using Signal = std::vector<double>;
using tools::appendLittleEndian;
using tools::appendText;
using tools::Bytes;

constexpr double twoPi = 2.0 * std::numbers::pi;

struct PcmFormat {
    int sampleRate;
    int bitsPerSample;
};

// The cues are built into the program, so they stay small.
constexpr PcmFormat cueFormat{11025, 8};
constexpr PcmFormat chimeFormat{22050, 16};

// Keeps every partial well below Nyquist so nothing folds back as a whistle.
constexpr double usableBand = 0.45;

double midiHz(int note)
{
    return 440.0 * std::exp2((note - 69) / 12.0);
}

std::size_t toSamples(double seconds, int rate)
{
    return static_cast<std::size_t>(std::lround(seconds * rate));
}

// Raised-cosine ramp from 0 to 1 over `length` seconds: no corner, no click.
double smoothRamp(double t, double length)
{
    if (t >= length)
        return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

// Gain of a sound `length` seconds long at time t, opening and closing smoothly.
double edgeGain(double t, double length, double attack, double release)
{
    return smoothRamp(t, attack) * smoothRamp(length - t, release);
}

// A damper that starts to touch at `from` seconds and presses harder as time
// goes on: exp(-k (t - from)^2) leaves the ring alone at first, then closes
// it with no corner. `strength` is k.
struct Damper {
    double from;
    double strength;

    double gain(double t) const
    {
        const double pressed = std::max(0.0, t - from);
        return std::exp(-strength * pressed * pressed);
    }
};

// A struck or plucked sound: sine partials that each die away at their own rate.
struct Partial {
    double ratio;
    double gain;
    double decayPerSecond;
};

struct Strike {
    double onsetSeconds;
    int note;
    double gain;
    double damping; // multiplies every partial's decay; higher is shorter
};

void addStrike(Signal &out, int rate, const Strike &strike, std::span<const Partial> timbre, double attackSeconds)
{
    const double pitch = midiHz(strike.note);
    const std::size_t first = toSamples(strike.onsetSeconds, rate);
    for (const Partial &partial : timbre) {
        const double hz = pitch * partial.ratio;
        if (hz > usableBand * rate)
            continue;
        const double decay = partial.decayPerSecond * strike.damping;
        for (std::size_t i = first; i < out.size(); ++i) {
            const double t = static_cast<double>(i - first) / rate;
            out[i] += strike.gain * partial.gain * smoothRamp(t, attackSeconds) * std::exp(-decay * t)
                      * std::sin(twoPi * hz * t);
        }
    }
}

void addStrikes(Signal &out, int rate, std::span<const Strike> strikes, std::span<const Partial> timbre,
                double attackSeconds)
{
    for (const Strike &strike : strikes)
        addStrike(out, rate, strike, timbre, attackSeconds);
}

void applyDamper(Signal &signal, int rate, Damper damper)
{
    for (std::size_t i = 0; i < signal.size(); ++i)
        signal[i] *= damper.gain(static_cast<double>(i) / rate);
}

// A muted brass note: the mute opens quickly and closes slowly, which is the
// "wah"; opening lets the upper harmonics through as well as more level.
struct BrassNote {
    double onsetSeconds;
    double lengthSeconds;
    int note;
    double vibratoDepth; // fraction of the pitch
    double releaseSeconds;
};

double muteOpening(double progress)
{
    return std::sin(std::numbers::pi * std::pow(progress, 0.6));
}

double brassWave(double phase, int harmonics, double brightness)
{
    double sum = 0.0;
    double weight = 1.0;
    for (int harmonic = 1; harmonic <= harmonics; ++harmonic) {
        sum += weight * std::sin(harmonic * phase);
        weight *= brightness;
    }
    return sum;
}

void addBrassNote(Signal &out, int rate, const BrassNote &note)
{
    constexpr double vibratoHz = 5.5;
    constexpr double pitchSag = 0.015; // a tired player drifts flat
    const double pitch = midiHz(note.note);
    // Fixed for the whole note: a harmonic that came and went with the
    // vibrato would click at the band edge.
    const auto harmonics = static_cast<int>(usableBand * rate / (pitch * (1.0 + note.vibratoDepth)));
    const std::size_t first = toSamples(note.onsetSeconds, rate);
    const std::size_t count = toSamples(note.lengthSeconds, rate);
    double phase = 0.0;
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double progress = t / note.lengthSeconds;
        const double hz =
            pitch * (1.0 - pitchSag * progress) * (1.0 + note.vibratoDepth * std::sin(twoPi * vibratoHz * t));
        const double opening = muteOpening(progress);
        const double brightness = 0.15 + 0.6 * opening;
        out[first + i] += edgeGain(t, note.lengthSeconds, 0.025, note.releaseSeconds) * (0.35 + 0.65 * opening)
                          * brassWave(phase, harmonics, brightness);
        phase = std::fmod(phase + twoPi * hz / rate, twoPi);
    }
}

// Deterministic noise: xorshift32 from a fixed seed, -1 to 1.
class Noise {
public:
    explicit Noise(std::uint32_t seed = 0x2545F491u)
        : state_(seed)
    {
    }

    double next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 2147483647.5 - 1.0;
    }

private:
    std::uint32_t state_;
};

// The knock of a stick on wood: a burst of noise, low-passed to take the hiss off.
void addKnock(Signal &out, int rate, double onsetSeconds, double gain)
{
    constexpr double decayPerSecond = 400.0;
    constexpr double smoothing = 0.35; // one-pole low-pass coefficient
    Noise noise;
    double filtered = 0.0;
    const std::size_t first = toSamples(onsetSeconds, rate);
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / rate;
        filtered += smoothing * (noise.next() - filtered);
        out[i] += gain * smoothRamp(t, 0.0005) * std::exp(-decayPerSecond * t) * filtered;
    }
}

// Bright brassy "ta-da": a short pick-up note, then a major chord that rings
// and is damped before its 0.7 s slot ends.
Signal revealSound(int rate, std::size_t sampleCount)
{
    constexpr std::array bright{
        Partial{1.0, 1.0, 3.0},  Partial{2.0, 0.55, 5.0},  Partial{3.0, 0.4, 7.0},
        Partial{4.0, 0.25, 9.0}, Partial{5.0, 0.15, 11.0}, Partial{6.0, 0.1, 13.0},
    };
    constexpr std::array notes{
        Strike{0.005, 67, 0.8, 6.0}, // G4, clipped short
        Strike{0.15, 72, 1.0, 1.0},  // C5
        Strike{0.15, 76, 0.7, 1.0},  // E5
        Strike{0.15, 79, 0.6, 1.0},  // G5
        Strike{0.15, 84, 0.4, 1.0},  // C6 on top for sparkle
    };
    Signal out(sampleCount, 0.0);
    addStrikes(out, rate, notes, bright, 0.008);
    applyDamper(out, rate, {0.36, 70.0});
    return out;
}

// Cheerful rising arpeggio on a glockenspiel-like bar; the top note rings,
// then the damper settles it.
Signal correctSound(int rate, std::size_t sampleCount)
{
    constexpr std::array bar{
        Partial{1.0, 1.0, 3.5},
        Partial{2.0, 0.3, 7.0},
        Partial{3.0, 0.12, 11.0},
        Partial{4.2, 0.08, 18.0},
    };
    constexpr std::array notes{
        Strike{0.005, 72, 0.8, 1.6}, // C5
        Strike{0.095, 76, 0.8, 1.6}, // E5
        Strike{0.185, 79, 0.8, 1.6}, // G5
        Strike{0.275, 84, 0.9, 1.2}, // C6
        Strike{0.365, 88, 1.0, 1.0}, // E6, left to ring
    };
    Signal out(sampleCount, 0.0);
    addStrikes(out, rate, notes, bar, 0.004);
    applyDamper(out, rate, {0.8, 20.0});
    return out;
}

// Sad trombone: three falling "wah"s and a long wobbling last one that
// breathes out well before the slot ends.
Signal wrongSound(int rate, std::size_t sampleCount)
{
    constexpr std::array notes{
        BrassNote{0.01, 0.36, 62, 0.0, 0.06},  // D4
        BrassNote{0.39, 0.36, 61, 0.0, 0.06},  // C#4
        BrassNote{0.77, 0.36, 60, 0.0, 0.06},  // C4
        BrassNote{1.15, 0.7, 59, 0.012, 0.25}, // B3, with vibrato
    };
    Signal out(sampleCount, 0.0);
    for (const BrassNote &note : notes)
        addBrassNote(out, rate, note);
    return out;
}

// Dry wood block: a high, quickly damped inharmonic tone over a short knock.
Signal tickSound(int rate, std::size_t sampleCount)
{
    constexpr std::array wood{
        Partial{1.0, 1.0, 80.0},
        Partial{2.32, 0.35, 130.0},
        Partial{3.9, 0.15, 200.0},
    };
    constexpr std::array hit{Strike{0.002, 86, 1.0, 1.0}}; // D6
    Signal out(sampleCount, 0.0);
    addStrikes(out, rate, hit, wood, 0.0008);
    addKnock(out, rate, 0.002, 0.6);
    return out;
}

// Soft two-note chime with bell-like inharmonic partials, rung out in a second.
Signal chimeSound(int rate, std::size_t sampleCount)
{
    constexpr std::array bell{
        Partial{1.0, 1.0, 3.0},
        Partial{2.0, 0.3, 5.0},
        Partial{2.76, 0.12, 8.0},
        Partial{5.4, 0.04, 14.0},
    };
    constexpr std::array notes{
        Strike{0.005, 81, 0.8, 1.0}, // A5
        Strike{0.13, 88, 0.7, 1.0},  // E6
    };
    Signal out(sampleCount, 0.0);
    addStrikes(out, rate, notes, bell, 0.006);
    applyDamper(out, rate, {0.5, 30.0});
    return out;
}

void fadeEdges(Signal &signal, int rate)
{
    constexpr double fadeIn = 0.002;
    constexpr double fadeOut = 0.03;
    const double length = static_cast<double>(signal.size() - 1) / rate;
    for (std::size_t i = 0; i < signal.size(); ++i)
        signal[i] *= edgeGain(static_cast<double>(i) / rate, length, fadeIn, fadeOut);
}

void normalise(Signal &signal, double peak)
{
    double loudest = 0.0;
    for (double sample : signal)
        loudest = std::max(loudest, std::abs(sample));
    for (double &sample : signal)
        sample *= peak / loudest;
}

// How loud the signal is around each sample, in steps of the quantiser: the
// largest magnitude within `window` samples either side.
std::vector<double> envelopeInSteps(const Signal &signal, double step, std::size_t window)
{
    std::vector<double> envelope(signal.size(), 0.0);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const std::size_t from = i > window ? i - window : 0;
        const std::size_t to = std::min(signal.size(), i + window + 1);
        for (std::size_t j = from; j < to; ++j)
            envelope[i] = std::max(envelope[i], std::abs(signal[j]) / step);
    }
    return envelope;
}

// Rounds to whole steps with triangular dither, so a quiet decay turns into a
// clean tone over a faint noise instead of a gritty staircase. Second-order
// error feedback moves that noise away from 3 to 5.5 kHz, where the ear is
// keenest and nothing masks it, down under the cues' own tones and into the
// low end. Where the sound has rung out to about a step, dither and feedback
// fade away, so the tail settles on true silence instead of hiss.
std::vector<long> quantise(const Signal &signal, int rate, double fullScale)
{
    constexpr double notchHz = 4000.0;
    constexpr double notchDepth = 0.7; // zero radius: deeper notches lift the rest of the band more
    const double step = 1.0 / fullScale;
    const double c1 = 2.0 * notchDepth * std::cos(twoPi * notchHz / rate);
    const double c2 = -notchDepth * notchDepth;
    const std::vector<double> envelope = envelopeInSteps(signal, step, static_cast<std::size_t>(rate / 100));
    Noise first(0x9E3779B9u);
    Noise second(0x7F4A7C15u);
    double lastError = 0.0;
    double errorBefore = 0.0;
    std::vector<long> steps;
    steps.reserve(signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double active = smoothRamp(std::clamp((envelope[i] - 1.0) / 2.0, 0.0, 1.0), 1.0);
        const double wanted = signal[i] / step - active * (c1 * lastError + c2 * errorBefore);
        const double dither = active * 0.5 * (first.next() + second.next());
        const long rounded = std::lround(wanted + dither);
        errorBefore = lastError;
        lastError = static_cast<double>(rounded) - wanted;
        steps.push_back(rounded);
    }
    return steps;
}

// 8-bit WAVE samples are unsigned around 128; 16-bit ones are signed.
Bytes encodeSamples(PcmFormat format, const Signal &signal)
{
    const double fullScale = format.bitsPerSample == 8 ? 127.0 : 32767.0;
    const long lowest = format.bitsPerSample == 8 ? -128 : -32768;
    Bytes bytes;
    for (long value : quantise(signal, format.sampleRate, fullScale)) {
        value = std::clamp(value, lowest, static_cast<long>(fullScale));
        if (format.bitsPerSample == 8)
            bytes.push_back(static_cast<std::uint8_t>(128 + value));
        else
            appendLittleEndian(bytes, static_cast<std::uint16_t>(value), 2);
    }
    return bytes;
}

Bytes waveFile(PcmFormat format, const Signal &signal)
{
    const Bytes samples = encodeSamples(format, signal);
    const auto dataSize = static_cast<std::uint32_t>(samples.size());
    const std::uint32_t pad = dataSize % 2; // chunks are word aligned
    const auto blockAlign = static_cast<std::uint32_t>(format.bitsPerSample / 8);
    const auto rate = static_cast<std::uint32_t>(format.sampleRate);

    Bytes bytes;
    appendText(bytes, "RIFF");
    appendLittleEndian(bytes, 4 + (8 + 16) + (8 + dataSize + pad), 4);
    appendText(bytes, "WAVE");
    appendText(bytes, "fmt ");
    appendLittleEndian(bytes, 16, 4);
    appendLittleEndian(bytes, 1, 2); // PCM
    appendLittleEndian(bytes, 1, 2); // mono
    appendLittleEndian(bytes, rate, 4);
    appendLittleEndian(bytes, rate * blockAlign, 4);
    appendLittleEndian(bytes, blockAlign, 2);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(format.bitsPerSample), 2);
    appendText(bytes, "data");
    appendLittleEndian(bytes, dataSize, 4);
    tools::append(bytes, samples);
    bytes.resize(bytes.size() + pad, 0);
    return bytes;
}

struct Sound {
    std::string_view fileName;
    PcmFormat format;
    std::size_t sampleCount;
    double peak;
    Signal (*synthesise)(int rate, std::size_t sampleCount);
};

// The cue lengths are fixed by the slots the program reserves for them; the
// chime plays at every question, so it stays within a second.
constexpr std::array sounds{
    Sound{"reveal.wav", cueFormat, 7696, 0.9, revealSound}, Sound{"correct.wav", cueFormat, 14924, 0.9, correctSound},
    Sound{"wrong.wav", cueFormat, 22059, 0.85, wrongSound}, Sound{"tick.wav", cueFormat, 1472, 0.8, tickSound},
    Sound{"timu.wav", chimeFormat, 20948, 0.6, chimeSound},
};

Bytes render(const Sound &sound)
{
    const int rate = sound.format.sampleRate;
    Signal signal = sound.synthesise(rate, sound.sampleCount);
    fadeEdges(signal, rate);
    normalise(signal, sound.peak);
    return waveFile(sound.format, signal);
}

}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_sounds OUTDIR\n";
        return 2;
    }
    try {
        const std::filesystem::path outDir = argv[1];
        std::filesystem::create_directories(outDir);
        for (const Sound &sound : sounds)
            tools::writeFile(outDir / sound.fileName, render(sound));
    } catch (const std::exception &error) {
        std::cerr << "make_sounds: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
