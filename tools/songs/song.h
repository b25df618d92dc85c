// The songs' data model. Every song is note data: sections of melody and
// chords in a small text notation, backing and drum patterns on a step grid
// for each role a section can play (intro, verse, chorus, bridge, ending), and
// a form that strings sections together with their roles and levels.
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
//   - hold, . silence. An empty pattern sits the role out.
// Drum hits: X accent, x normal, o soft, . none.
//
// In the files the lead plays on channel 0, a second lead on channel 1, the
// backing on 2 to 8 and the drums on 9.
#pragma once

#include <array>
#include <cstddef>
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
constexpr int leadChannel = 0;
constexpr int secondLeadChannel = 1;
constexpr int firstBackingChannel = 2;
constexpr int drumChannel = 9;

struct Voice {
    std::string_view name;
    int program; // General MIDI, 0-based
    int velocity;
    int volume; // channel volume, before the song's trim
    int pan;
};

// What a pass does in the song; the backing's patterns and the drum groove
// follow it.
enum class Role { intro, verse, chorus, bridge, ending };
constexpr std::size_t roleCount = 5;

// How loud a pass is played. The backing follows fully, the lead by half, so
// the tune stays on top while the song swells and settles.
enum class Level { p, mp, mf, f };

// One per role, in the order of Role.
template <typename T> using ByRole = std::array<T, roleCount>;

struct Part {
    Voice voice;
    int lowestKey; // chord roots are placed in the octave starting here
    ByRole<std::string_view> patterns;
    // A smooth part (a bass) moves each note to the octave nearest the one
    // before, so it steps instead of leaping.
    bool smooth = false;
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

struct Pass {
    std::string_view section;
    Lead lead;
    Role role;
    Level level;
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
    double trimDb;    // evens out the songs' loudness, applied to every channel volume
    double backingDb; // sets the backing and drums under the tune, on top of trimDb
    Voice lead;
    std::optional<Voice> secondLead;
    std::vector<Part> parts;
    Voice drums;
    ByRole<Groove> grooves;
    Groove fill; // the last bar before a new role
    std::vector<Section> sections;
    std::vector<Pass> form;
};

// The quiz's songs, in the order the program lists them.
std::vector<Song> songBook();

}
