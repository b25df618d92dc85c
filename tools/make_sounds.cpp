// make_sounds OUTDIR: synthesises the quiz's sound cues and writes them as
// WAVE files into OUTDIR. Everything is computed from the note data below, so
// the same program always writes the same bytes.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <span>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

using Signal = std::vector<double>;
using Bytes = std::vector<std::uint8_t>;

constexpr double two_pi = 2.0 * std::numbers::pi;

struct PcmFormat {
    int sample_rate;
    int bits_per_sample;
};

// The cues are built into the program, so they stay small.
constexpr PcmFormat cue_format{11025, 8};
constexpr PcmFormat chime_format{22050, 16};

// Keeps every partial well below Nyquist so nothing folds back as a whistle.
constexpr double usable_band = 0.45;

double midi_hz(int note)
{
    return 440.0 * std::exp2((note - 69) / 12.0);
}

std::size_t to_samples(double seconds, int rate)
{
    return static_cast<std::size_t>(std::lround(seconds * rate));
}

// Raised-cosine ramp from 0 to 1 over `length` seconds: no corner, no click.
double smooth_ramp(double t, double length)
{
    if (t >= length) {
        return 1.0;
    }
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

// Gain of a sound `length` seconds long at time t, opening and closing smoothly.
double edge_gain(double t, double length, double attack, double release)
{
    return smooth_ramp(t, attack) * smooth_ramp(length - t, release);
}

// A struck or plucked sound: sine partials that each die away at their own rate.
struct Partial {
    double ratio;
    double gain;
    double decay_per_second;
};

struct Strike {
    double onset_seconds;
    int note;
    double gain;
    double damping;  // multiplies every partial's decay; higher is shorter
};

void add_strike(Signal& out, int rate, const Strike& strike,
                std::span<const Partial> timbre, double attack_seconds)
{
    const double pitch = midi_hz(strike.note);
    const std::size_t first = to_samples(strike.onset_seconds, rate);
    for (const Partial& partial : timbre) {
        const double hz = pitch * partial.ratio;
        if (hz > usable_band * rate) {
            continue;
        }
        const double decay = partial.decay_per_second * strike.damping;
        for (std::size_t i = first; i < out.size(); ++i) {
            const double t = static_cast<double>(i - first) / rate;
            out[i] += strike.gain * partial.gain * smooth_ramp(t, attack_seconds) *
                      std::exp(-decay * t) * std::sin(two_pi * hz * t);
        }
    }
}

void add_strikes(Signal& out, int rate, std::span<const Strike> strikes,
                 std::span<const Partial> timbre, double attack_seconds)
{
    for (const Strike& strike : strikes) {
        add_strike(out, rate, strike, timbre, attack_seconds);
    }
}

// A muted brass note: the mute opens quickly and closes slowly, which is the
// "wah"; opening lets the upper harmonics through as well as more level.
struct BrassNote {
    double onset_seconds;
    double length_seconds;
    int note;
    double vibrato_depth;  // fraction of the pitch
};

double mute_opening(double progress)
{
    return std::sin(std::numbers::pi * std::pow(progress, 0.6));
}

double brass_wave(double phase, int harmonics, double brightness)
{
    double sum = 0.0;
    double weight = 1.0;
    for (int harmonic = 1; harmonic <= harmonics; ++harmonic) {
        sum += weight * std::sin(harmonic * phase);
        weight *= brightness;
    }
    return sum;
}

void add_brass_note(Signal& out, int rate, const BrassNote& note)
{
    constexpr double vibrato_hz = 5.5;
    constexpr double pitch_sag = 0.015;  // a tired player drifts flat
    const double pitch = midi_hz(note.note);
    // Fixed for the whole note: a harmonic that came and went with the
    // vibrato would click at the band edge.
    const auto harmonics = static_cast<int>(usable_band * rate / (pitch * (1.0 + note.vibrato_depth)));
    const std::size_t first = to_samples(note.onset_seconds, rate);
    const std::size_t count = to_samples(note.length_seconds, rate);
    double phase = 0.0;
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double progress = t / note.length_seconds;
        const double hz = pitch * (1.0 - pitch_sag * progress) *
                          (1.0 + note.vibrato_depth * std::sin(two_pi * vibrato_hz * t));
        const double opening = mute_opening(progress);
        const double brightness = 0.15 + 0.6 * opening;
        out[first + i] += edge_gain(t, note.length_seconds, 0.025, 0.06) *
                          (0.35 + 0.65 * opening) * brass_wave(phase, harmonics, brightness);
        phase = std::fmod(phase + two_pi * hz / rate, two_pi);
    }
}

// Deterministic noise: xorshift32 from a fixed seed.
class Noise {
public:
    double next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 2147483647.5 - 1.0;
    }

private:
    std::uint32_t state_ = 0x2545F491u;
};

// The knock of a stick on wood: a burst of noise, low-passed to take the hiss off.
void add_knock(Signal& out, int rate, double onset_seconds, double gain)
{
    constexpr double decay_per_second = 400.0;
    constexpr double smoothing = 0.35;  // one-pole low-pass coefficient
    Noise noise;
    double filtered = 0.0;
    const std::size_t first = to_samples(onset_seconds, rate);
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / rate;
        filtered += smoothing * (noise.next() - filtered);
        out[i] += gain * smooth_ramp(t, 0.0005) * std::exp(-decay_per_second * t) * filtered;
    }
}

// Bright brassy "ta-da": a short pick-up note, then a ringing major chord.
Signal reveal_sound(int rate, std::size_t sample_count)
{
    constexpr std::array bright{
        Partial{1.0, 1.0, 3.0},  Partial{2.0, 0.55, 5.0}, Partial{3.0, 0.4, 7.0},
        Partial{4.0, 0.25, 9.0}, Partial{5.0, 0.15, 11.0}, Partial{6.0, 0.1, 13.0},
    };
    constexpr std::array notes{
        Strike{0.005, 67, 0.8, 6.0},  // G4, clipped short
        Strike{0.15, 72, 1.0, 1.0},   // C5
        Strike{0.15, 76, 0.7, 1.0},   // E5
        Strike{0.15, 79, 0.6, 1.0},   // G5
        Strike{0.15, 84, 0.4, 1.0},   // C6 on top for sparkle
    };
    Signal out(sample_count, 0.0);
    add_strikes(out, rate, notes, bright, 0.008);
    return out;
}

// Cheerful rising arpeggio on a glockenspiel-like bar.
Signal correct_sound(int rate, std::size_t sample_count)
{
    constexpr std::array bar{
        Partial{1.0, 1.0, 3.5},
        Partial{2.0, 0.3, 7.0},
        Partial{3.0, 0.12, 11.0},
        Partial{4.2, 0.08, 18.0},
    };
    constexpr std::array notes{
        Strike{0.005, 72, 0.8, 1.6},  // C5
        Strike{0.095, 76, 0.8, 1.6},  // E5
        Strike{0.185, 79, 0.8, 1.6},  // G5
        Strike{0.275, 84, 0.9, 1.2},  // C6
        Strike{0.365, 88, 1.0, 1.0},  // E6, left to ring
    };
    Signal out(sample_count, 0.0);
    add_strikes(out, rate, notes, bar, 0.004);
    return out;
}

// Sad trombone: three falling "wah"s and a long wobbling last one.
Signal wrong_sound(int rate, std::size_t sample_count)
{
    constexpr std::array notes{
        BrassNote{0.01, 0.36, 62, 0.0},  // D4
        BrassNote{0.39, 0.36, 61, 0.0},  // C#4
        BrassNote{0.77, 0.36, 60, 0.0},  // C4
        BrassNote{1.15, 0.83, 59, 0.012},  // B3, with vibrato
    };
    Signal out(sample_count, 0.0);
    for (const BrassNote& note : notes) {
        add_brass_note(out, rate, note);
    }
    return out;
}

// Dry wood block: a high, quickly damped inharmonic tone over a short knock.
Signal tick_sound(int rate, std::size_t sample_count)
{
    constexpr std::array wood{
        Partial{1.0, 1.0, 80.0},
        Partial{2.32, 0.35, 130.0},
        Partial{3.9, 0.15, 200.0},
    };
    constexpr std::array hit{Strike{0.002, 86, 1.0, 1.0}};  // D6
    Signal out(sample_count, 0.0);
    add_strikes(out, rate, hit, wood, 0.0008);
    add_knock(out, rate, 0.002, 0.6);
    return out;
}

// Soft two-note chime with bell-like inharmonic partials.
Signal chime_sound(int rate, std::size_t sample_count)
{
    constexpr std::array bell{
        Partial{1.0, 1.0, 3.0},
        Partial{2.0, 0.3, 5.0},
        Partial{2.76, 0.12, 8.0},
        Partial{5.4, 0.04, 14.0},
    };
    constexpr std::array notes{
        Strike{0.005, 81, 0.8, 1.0},  // A5
        Strike{0.13, 88, 0.7, 1.0},   // E6
    };
    Signal out(sample_count, 0.0);
    add_strikes(out, rate, notes, bell, 0.006);
    return out;
}

void fade_edges(Signal& signal, int rate)
{
    constexpr double fade_in = 0.002;
    constexpr double fade_out = 0.03;
    const double length = static_cast<double>(signal.size() - 1) / rate;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        signal[i] *= edge_gain(static_cast<double>(i) / rate, length, fade_in, fade_out);
    }
}

void normalise(Signal& signal, double peak)
{
    double loudest = 0.0;
    for (double sample : signal) {
        loudest = std::max(loudest, std::abs(sample));
    }
    for (double& sample : signal) {
        sample *= peak / loudest;
    }
}

void put_u16(Bytes& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put_u32(Bytes& bytes, std::uint32_t value)
{
    put_u16(bytes, static_cast<std::uint16_t>(value & 0xFFFF));
    put_u16(bytes, static_cast<std::uint16_t>(value >> 16));
}

void put_tag(Bytes& bytes, std::string_view tag)
{
    bytes.insert(bytes.end(), tag.begin(), tag.end());
}

// 8-bit WAVE samples are unsigned around 128; 16-bit ones are signed.
Bytes encode_samples(PcmFormat format, const Signal& signal)
{
    Bytes bytes;
    for (double sample : signal) {
        if (format.bits_per_sample == 8) {
            bytes.push_back(static_cast<std::uint8_t>(128 + std::lround(127.0 * sample)));
        } else {
            put_u16(bytes, static_cast<std::uint16_t>(std::lround(32767.0 * sample)));
        }
    }
    return bytes;
}

Bytes wave_file(PcmFormat format, const Signal& signal)
{
    const Bytes samples = encode_samples(format, signal);
    const auto data_size = static_cast<std::uint32_t>(samples.size());
    const std::uint32_t pad = data_size % 2;  // chunks are word aligned
    const auto block_align = static_cast<std::uint16_t>(format.bits_per_sample / 8);
    const auto rate = static_cast<std::uint32_t>(format.sample_rate);

    Bytes bytes;
    put_tag(bytes, "RIFF");
    put_u32(bytes, 4 + (8 + 16) + (8 + data_size + pad));
    put_tag(bytes, "WAVE");
    put_tag(bytes, "fmt ");
    put_u32(bytes, 16);
    put_u16(bytes, 1);  // PCM
    put_u16(bytes, 1);  // mono
    put_u32(bytes, rate);
    put_u32(bytes, rate * block_align);
    put_u16(bytes, block_align);
    put_u16(bytes, static_cast<std::uint16_t>(format.bits_per_sample));
    put_tag(bytes, "data");
    put_u32(bytes, data_size);
    bytes.insert(bytes.end(), samples.begin(), samples.end());
    bytes.resize(bytes.size() + pad, 0);
    return bytes;
}

struct Sound {
    std::string_view file_name;
    PcmFormat format;
    std::size_t sample_count;
    double peak;
    Signal (*synthesise)(int rate, std::size_t sample_count);
};

// The cue lengths are fixed by the slots the program reserves for them.
constexpr std::array sounds{
    Sound{"reveal.wav", cue_format, 7696, 0.9, reveal_sound},
    Sound{"correct.wav", cue_format, 14924, 0.9, correct_sound},
    Sound{"wrong.wav", cue_format, 22059, 0.85, wrong_sound},
    Sound{"tick.wav", cue_format, 1472, 0.8, tick_sound},
    Sound{"timu.wav", chime_format, 17640, 0.6, chime_sound},
};

Bytes render(const Sound& sound)
{
    const int rate = sound.format.sample_rate;
    Signal signal = sound.synthesise(rate, sound.sample_count);
    fade_edges(signal, rate);
    normalise(signal, sound.peak);
    return wave_file(sound.format, signal);
}

bool write_file(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_sounds OUTDIR\n";
        return 2;
    }
    const std::filesystem::path out_dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(out_dir, error);
    if (error) {
        std::cerr << "make_sounds: cannot create " << out_dir << ": " << error.message() << '\n';
        return 1;
    }
    for (const Sound& sound : sounds) {
        const std::filesystem::path path = out_dir / sound.file_name;
        if (!write_file(path, render(sound))) {
            std::cerr << "make_sounds: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
