// Reads the songs' text notation: melodies as pitch and duration words, chords
// as symbols with optional slash bass and duration.
#pragma once

#include "songs/song.h"

#include <optional>
#include <string_view>
#include <vector>

namespace songs {

struct MelodyEvent {
    std::optional<int> key; // none for a rest
    Tick length;
};

struct Chord {
    int root; // pitch classes, any octave
    int bass;
    std::vector<int> intervals;
};

struct ChordSpan {
    Tick start;
    Tick length;
    Chord chord;
};

// Both throw std::invalid_argument, naming the word they cannot read.
std::vector<MelodyEvent> parseMelody(std::string_view text, Tick bar);
std::vector<ChordSpan> parseChords(std::string_view text, Tick bar);

}
