// Telling, before the synthesizer sees it, whether a MIDI file is a song it
// can play. FluidSynth does not refuse a broken file: it spins on it, floods
// the log, and holds the mixer's lock while it does.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace teaser {

// Nothing when the bytes are a Standard MIDI File of format 0 or 1, well
// formed to the end of every track, timed in ticks per quarter note (not
// SMPTE frames), with 1 to 64 tracks that each end with End of Track, and
// with at least one sounding note and a length of at least a quarter note.
// Otherwise what is wrong, in a few words.
std::optional<std::string> midiFileProblem(std::span<const std::uint8_t> bytes);

}
