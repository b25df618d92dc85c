// The built-in cues: whole WAVE files (PCM, mono, 11025 Hz, 8-bit) carried in the program.
#pragma once

#include <cstdint>
#include <span>

namespace teaser::cue_bytes {

std::span<const std::uint8_t> reveal();
std::span<const std::uint8_t> correct();
std::span<const std::uint8_t> wrong();
std::span<const std::uint8_t> tick();

}
