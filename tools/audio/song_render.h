// Renders a MIDI song the way the program plays it: SDL2_mixer 2.6 hands the
// file to FluidSynth with the mixer's rate (44100 Hz stereo), default
// settings otherwise, and a gain of 1.2 at full music volume.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace audio {

constexpr int renderRate = 44100;
constexpr float mixerGain = 1.2f;

struct StereoAudio {
    int rate = renderRate;
    std::vector<float> left;
    std::vector<float> right;
};

// Which channels may sound; the others' note-ons are dropped, everything
// else (programs, volumes, effects) still goes to the synthesiser.
using ChannelFilter = std::function<bool(int channel)>;

// One pass through the song, without the reverb's tail. Throws
// std::runtime_error when FluidSynth cannot load the SoundFont or the song.
StereoAudio renderSong(const std::vector<std::uint8_t> &midi, const std::string &soundFont, const ChannelFilter &keep);

}
