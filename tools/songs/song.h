// make_songs OUTDIR
//
// Writes the quiz's background songs as Standard MIDI Files (format 1).
// Every song is note data in this file: sections of melody and chords in a
// small text notation, accompaniment and drum patterns on a step grid, and a
// form that strings sections together with variations.
//
// Melody words: pitch + octave + duration, e.g. "F#5q.", or "r" + duration.
//   Durations add up letter by letter: w h q e s (whole .. sixteenth),
//   t (triplet eighth); '.' adds half of the letter before it. "|" is a
//   bar line and must fall on a bar boundary.
// Chord words: symbol with optional slash bass and ":duration", e.g.
//   "Bb/D", "Dm7:h". Without a duration a chord lasts one bar.
// Pattern symbols (one per grid step):
//   x close-voiced chord, p power chord, 1 bass note, 3 5 7 8 chord tones
//   above the root, T tenth, a half step below the next chord's bass,
//   - hold, . silence.
// Drum hits: X accent, x normal, o soft, . none.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace songs {

using Tick = std::uint32_t;

constexpr Tick ticksPerQuarter = 480;
constexpr Tick quarter = ticksPerQuarter;
constexpr Tick eighth = ticksPerQuarter / 2;
constexpr Tick sixteenth = ticksPerQuarter / 4;
constexpr int drumChannel = 9;

struct Voice {
    std::string_view name;
    int program; // General MIDI, 0-based
    int velocity;
    int volume; // channel volume, kept low: the music sits behind a quiz
    int pan;
};

struct Part {
    Voice voice;
    int lowestKey; // chord roots are placed in the octave starting here
    std::string_view pattern;
};

struct DrumLine {
    int key;
    std::string_view hits;
};
using Groove = std::vector<DrumLine>;

struct Section {
    std::string_view name;
    std::string_view melody;
    std::string_view chords;
};

// high: the main voice an octave up; second: the song's second lead voice.
enum class Lead { none, main, high, second };
enum class Ending { plain, fill };

struct Pass {
    std::string_view section;
    Lead lead;
    std::size_t groove;
    Ending ending;
};

struct Meter {
    int beats;
    int beatUnit;
};

struct KeySignature {
    int sharps; // negative for flats
    bool minor;
};

struct Song {
    std::string_view title;
    int quarterBpm;
    Meter meter;
    KeySignature key;
    Tick stepTicks;
    bool swing;
    int reverb;
    Voice lead;
    std::optional<Voice> secondLead;
    std::vector<Part> parts;
    Voice drums;
    std::vector<Groove> grooves;
    Groove fill;
    std::vector<Section> sections;
    std::vector<Pass> form;
};

// The quiz's songs, in the order the program lists them.
std::vector<Song> songBook();

}
