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

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Tick = std::uint32_t;
using Bytes = std::vector<std::uint8_t>;

constexpr Tick ticksPerQuarter = 480;
constexpr int drumChannel = 9;
constexpr int crashCymbal = 49;

// ---------------------------------------------------------------- song data

struct Voice {
    std::string_view name;
    int program;   // General MIDI, 0-based
    int velocity;
    int volume;    // channel volume, kept low: the music sits behind a quiz
    int pan;
};

struct Part {
    Voice voice;
    int lowestKey;  // chord roots are placed in the octave starting here
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
    int sharps;  // negative for flats
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

constexpr Tick quarter = ticksPerQuarter;
constexpr Tick eighth = ticksPerQuarter / 2;
constexpr Tick sixteenth = ticksPerQuarter / 4;

Song waltz() {
    return {
        .title = "情非得以",
        .quarterBpm = 96,
        .meter = {3, 4},
        .key = {-1, false},
        .stepTicks = eighth,
        .swing = false,
        .reverb = 50,
        .lead = {"Flute", 73, 86, 110, 64},
        .secondLead = Voice{"Music Box", 10, 92, 105, 72},
        .parts = {{{"Piano", 0, 60, 90, 48}, 53, "..x.x."},
                  {{"Strings", 48, 48, 70, 84}, 60, "x-----------"},
                  {{"Bass", 32, 80, 108, 64}, 36, "1-....5-...."}},
        .drums = {"Drums", 0, 58, 82, 64},
        .grooves = {{{42, "..o.o."}, {36, "o....."}},
                    {{36, "x....."}, {42, "x.x.x."}, {37, "..o.o."}}},
        .fill = {{36, "x....."}, {38, "..o.xX"}},
        .sections =
            {{"a1", "C5h A4q | D5h F5q | F5q. E5e D5q | C5h.", "F Dm Bb C7"},
             {"a2", "Bb4h D5q | G5h F5q | E5q C5q A4q | G4h.", "Gm C7 Am C7"},
             {"a3", "D5h F5q | E5q. D5e C5q | A4q F4q E4q | F4h.", "Bb C7 F:h C7:q F"},
             {"b1", "A5h F5q | E5h C5q | D5q. E5e F5q | C5h.", "Dm Am Bb F"},
             {"b2", "A5h F5q | E5q. D5e C5q | Bb4q D5q G5q | E5h.", "Dm Am Gm C7"}},
        .form = {{"a1", Lead::none, 0, Ending::plain},
                 {"a1", Lead::main, 0, Ending::plain},
                 {"a2", Lead::main, 0, Ending::plain},
                 {"a1", Lead::main, 0, Ending::plain},
                 {"a3", Lead::main, 0, Ending::fill},
                 {"b1", Lead::main, 1, Ending::plain},
                 {"b2", Lead::main, 1, Ending::plain},
                 {"a1", Lead::main, 1, Ending::plain},
                 {"a3", Lead::main, 1, Ending::fill},
                 {"b1", Lead::main, 1, Ending::plain},
                 {"b2", Lead::main, 1, Ending::fill},
                 {"a1", Lead::second, 0, Ending::plain},
                 {"a3", Lead::second, 0, Ending::plain}},
    };
}

Song sportyTheme() {
    return {
        .title = "灌篮高手",
        .quarterBpm = 144,
        .meter = {4, 4},
        .key = {2, false},
        .stepTicks = sixteenth,
        .swing = false,
        .reverb = 30,
        .lead = {"Brass", 61, 88, 102, 64},
        .secondLead = std::nullopt,
        .parts = {{{"Guitar", 29, 56, 72, 40}, 50, "p.p.p.p.p.p.p.p."},
                  {{"Strings", 48, 48, 62, 88}, 62, "x---------------"},
                  {{"Bass", 34, 84, 110, 64}, 38, "1.1.1.1.1.1.8.5."}},
        .drums = {"Drums", 0, 72, 95, 64},
        .grooves = {{{36, "x.......x......."}, {38, "....x.......x..."}, {42, "x.x.x.x.x.x.x.x."}},
                    {{36, "x.....x.x.x....."},
                     {38, "....X.......X..."},
                     {42, "x.x.x.x.x.x.x..."},
                     {46, "..............x."}}},
        .fill = {{36, "x.......x......."},
                 {38, "....x.x.xxx....."},
                 {48, "...........xx..."},
                 {45, ".............xxX"}},
        .sections =
            {{"v1", "F#5q F#5e E5e D5q A4q | C#5q. D5e E5h | D5q. C#5e B4q F#5q | G5h. rq", "D A Bm G"},
             {"v2", "F#5q F#5e E5e D5q A5q | A5q. G5e F#5e E5e C#5q | B4q. D5e G5q B5q | A5w", "D A G A"},
             {"ch1", "rq D5e E5e G5q F#5e E5e | rq E5e F#5e A5q G5e F#5e | rq F#5e E5e C#5q A4q | B4h. D5q",
              "G A F#m Bm"},
             {"ch2", "rq D5e E5e G5q B5q | A5q. G5e F#5q E5q | G5q. F#5e E5q C#5q | D5w", "G A Em:h A:h D"},
             {"br", "B4q D5q F#5h | C#5q E5q A5h | B5q. A5e G5q D5q | E5h. C#5q", "Bm F#m G A"}},
        .form = {{"v1", Lead::none, 0, Ending::plain},
                 {"v1", Lead::main, 0, Ending::plain},
                 {"v2", Lead::main, 0, Ending::fill},
                 {"ch1", Lead::main, 1, Ending::plain},
                 {"ch2", Lead::main, 1, Ending::fill},
                 {"v1", Lead::main, 1, Ending::plain},
                 {"v2", Lead::main, 1, Ending::fill},
                 {"ch1", Lead::main, 1, Ending::plain},
                 {"ch2", Lead::main, 1, Ending::fill},
                 {"br", Lead::main, 0, Ending::fill},
                 {"ch1", Lead::main, 1, Ending::plain},
                 {"ch2", Lead::main, 1, Ending::plain}},
    };
}

Song ballad() {
    return {
        .title = "很爱很爱你",
        .quarterBpm = 74,
        .meter = {4, 4},
        .key = {-3, false},
        .stepTicks = eighth,
        .swing = false,
        .reverb = 64,
        .lead = {"Alto Sax", 65, 84, 105, 64},
        .secondLead = std::nullopt,
        .parts = {{{"Nylon Guitar", 24, 60, 92, 44}, 48, "158T8585"},
                  {{"Strings", 48, 50, 72, 84}, 60, "x-------"},
                  {{"Fretless Bass", 35, 80, 108, 64}, 36, "1-----5-"}},
        .drums = {"Drums", 0, 54, 78, 64},
        .grooves = {{{42, "o.o.o.o."}, {37, "..o...o."}},
                    {{36, "x...x..."}, {37, "..x...x."}, {42, "oooooooo"}}},
        .fill = {{36, "x......."}, {38, "..o.o.xX"}},
        .sections =
            {{"a1", "G4q. Ab4e Bb4h | F4q. G4e Bb4q Ab4q | G4q. F4e Eb4q G4q | C5h. Bb4q", "Eb Bb/D Cm Ab"},
             {"a2", "Bb4q. G4e Eb5h | C5q. Bb4e Ab4q C5q | Ab4q. G4e F4q Ab4q | F4h. rq", "Eb/G Ab Fm Bb"},
             {"a3", "Bb4q. G4e Eb5h | C5q. Bb4e Ab4q C5q | Bb4q. Ab4e G4q F4q | Eb4w", "Eb/G Ab Bb Eb"},
             {"b1", "C5q Eb5q Eb5q. D5e | D5q Bb4q Bb4h | Bb4q D5q D5q. C5e | C5h. G4q", "Ab Bb Gm Cm"},
             {"b2", "C5q Eb5q Ab5q. G5e | F5q D5q Bb4h | Bb4q D5q Eb5q G5q | F5h. rq",
              "Ab Bb/Ab Gm:h Cm:h Fm:h Bb:h"}},
        .form = {{"a1", Lead::none, 0, Ending::plain},
                 {"a1", Lead::main, 0, Ending::plain},
                 {"a2", Lead::main, 0, Ending::fill},
                 {"b1", Lead::main, 1, Ending::plain},
                 {"b2", Lead::main, 1, Ending::fill},
                 {"a1", Lead::main, 1, Ending::plain},
                 {"a3", Lead::main, 0, Ending::plain}},
    };
}

Song pastoral() {
    return {
        .title = "记事本",
        .quarterBpm = 108,
        .meter = {6, 8},
        .key = {1, false},
        .stepTicks = eighth,
        .swing = false,
        .reverb = 48,
        .lead = {"Oboe", 68, 84, 102, 60},
        .secondLead = Voice{"Recorder", 74, 90, 108, 68},
        .parts = {{{"Steel Guitar", 25, 58, 95, 44}, 48, "158T85"},
                  {{"Bass", 32, 74, 105, 64}, 36, "1--5--"}},
        .drums = {"Percussion", 0, 56, 80, 76},
        .grooves = {{{70, "xooxoo"}},
                    {{36, "x....."}, {70, "xooxoo"}, {54, "...o.."}}},
        .fill = {{36, "x....."}, {70, "xooxoo"}, {63, "...xx."}, {64, ".....x"}},
        .sections =
            {{"a1", "D5q B4e G4q. | E5q. D5q B4e | C5q E5e G5q. | F#5q. A4q.", "G Em C D"},
             {"a2", "D5q B4e G4q B4e | E5q G5e E5q D5e | C5q. A4q. | D5h.", "G Em Am D"},
             {"a3", "D5q B4e G4q B4e | C5q E5e G5q E5e | D5q. C5e B4e A4e | G4h.", "G C D G"},
             {"b1", "E5q. G5q E5e | F#5q. A5q. | D5q F#5e B4q. | G5q. E5q.", "C D Bm Em"},
             {"b2", "E5q. G5q E5e | F#5q. A5q G5e | G5q. E5q. | D5q. F#5q.", "C D Em:q. C:q. D"}},
        .form = {{"a1", Lead::none, 0, Ending::plain},
                 {"a1", Lead::main, 0, Ending::plain},
                 {"a2", Lead::main, 0, Ending::plain},
                 {"a1", Lead::main, 0, Ending::plain},
                 {"a3", Lead::main, 0, Ending::fill},
                 {"b1", Lead::main, 1, Ending::plain},
                 {"b2", Lead::main, 1, Ending::plain},
                 {"a1", Lead::second, 1, Ending::plain},
                 {"a3", Lead::second, 1, Ending::fill},
                 {"a1", Lead::main, 0, Ending::plain},
                 {"a3", Lead::main, 0, Ending::plain}},
    };
}

Song nocturne() {
    return {
        .title = "爱一个人",
        .quarterBpm = 66,
        .meter = {4, 4},
        .key = {0, true},
        .stepTicks = eighth,
        .swing = false,
        .reverb = 72,
        .lead = {"Piano", 0, 90, 120, 60},
        .secondLead = std::nullopt,
        .parts = {{{"Piano Left Hand", 0, 64, 112, 52}, 45, "158T8585"},
                  {{"Slow Strings", 49, 56, 80, 84}, 57, "x-------"},
                  {{"Cello", 42, 72, 100, 68}, 36, "1-------"}},
        .drums = {"Percussion", 0, 52, 80, 64},
        .grooves = {{{81, "x......."}},
                    {{81, "x......."}, {44, "..o...o."}}},
        .fill = {},
        .sections =
            {{"a1", "E5q. D5e C5q A4q | F5q. E5e D5h | D5q. C5e B4q G4q | E5w", "Am Dm G C"},
             {"a2", "A5q. G5e F5q C5q | D5q. E5e F5q A5q | G#5q. F5e E5q D5q | B4w", "F Dm E7 E7"},
             {"a3", "A5q. G5e F5q C5q | D5q. E5e F5q D5q | B4q. C5e D5q G#4q | A4w", "F Dm E7 Am"},
             {"b1", "G5q. E5e C5q E5q | D5q. B4e G4q B4q | C5q. E5e A5q G5q | G5h E5h", "C G Am Em"},
             {"b2", "F5q. A5e C6q A5q | G5q. E5e C5q E5q | F5e E5e D5e C5e D5q F5q | E5w", "F C/E Dm E7"}},
        .form = {{"a1", Lead::none, 0, Ending::plain},
                 {"a1", Lead::main, 0, Ending::plain},
                 {"a2", Lead::main, 0, Ending::plain},
                 {"b1", Lead::main, 1, Ending::plain},
                 {"b2", Lead::main, 1, Ending::plain},
                 {"a1", Lead::high, 1, Ending::plain},
                 {"a3", Lead::main, 0, Ending::plain}},
    };
}

Song march() {
    return {
        .title = "天若有情",
        .quarterBpm = 112,
        .meter = {2, 4},
        .key = {-2, false},
        .stepTicks = sixteenth,
        .swing = false,
        .reverb = 40,
        .lead = {"Clarinet", 71, 88, 108, 64},
        .secondLead = Voice{"Piccolo", 72, 84, 100, 72},
        .parts = {{{"Horns", 60, 64, 85, 48}, 53, "..x...x."},
                  {{"Tuba", 58, 84, 108, 64}, 34, "1...5..."}},
        .drums = {"Drums", 0, 62, 88, 64},
        .grooves = {{{36, "x...x..."}, {38, "..o...o."}},
                    {{36, "x...x..."}, {38, "..x.o.xx"}}},
        .fill = {{36, "x......."}, {38, "x.xxx.xX"}},
        .sections =
            {{"head", "F4e Bb4e D5e F5e | F5q. D5e | Eb5e C5e A4e C5e | D5q Bb4q", "Bb Bb F7 Bb"},
             {"half", "G4e Bb4e Eb5e G5e | F5q. D5e | C5e E5e G5e E5e | F5h", "Eb Bb C7 F"},
             {"full", "G5e Eb5e C5e Eb5e | E5e G5e C6e Bb5e | A5e F5e Eb5e C5e | Bb4h", "Eb C7 F7 Bb"},
             {"t1", "Bb4q Eb5q | D5q. C5e | Bb4e C5e D5e F5e | Eb5h", "Eb Bb7 Bb7 Eb"},
             {"t2", "C5q Eb5q | G5q. F5e | Eb5e D5e C5e A4e | Bb4h", "Ab Eb F7 Bb7"}},
        .form = {{"full", Lead::none, 0, Ending::plain},
                 {"head", Lead::main, 0, Ending::plain},
                 {"half", Lead::main, 0, Ending::plain},
                 {"head", Lead::main, 0, Ending::plain},
                 {"full", Lead::main, 0, Ending::fill},
                 {"head", Lead::second, 1, Ending::plain},
                 {"half", Lead::second, 1, Ending::plain},
                 {"head", Lead::second, 1, Ending::plain},
                 {"full", Lead::second, 1, Ending::fill},
                 {"t1", Lead::main, 0, Ending::plain},
                 {"t2", Lead::main, 0, Ending::plain},
                 {"t1", Lead::main, 1, Ending::plain},
                 {"t2", Lead::main, 1, Ending::fill},
                 {"head", Lead::main, 1, Ending::plain},
                 {"half", Lead::main, 1, Ending::plain},
                 {"head", Lead::main, 1, Ending::plain},
                 {"full", Lead::main, 1, Ending::plain}},
    };
}

Song swing() {
    return {
        .title = "三角志",
        .quarterBpm = 126,
        .meter = {4, 4},
        .key = {0, false},
        .stepTicks = eighth,
        .swing = true,
        .reverb = 44,
        .lead = {"Vibraphone", 11, 88, 112, 64},
        .secondLead = Voice{"Muted Trumpet", 59, 80, 98, 72},
        .parts = {{{"Electric Piano", 4, 64, 92, 44}, 55, "x..x......x..x.."},
                  {{"Bass", 32, 86, 112, 64}, 36, "1-3-5-a-"}},
        .drums = {"Drums", 0, 60, 88, 64},
        .grooves = {{{51, "x.xxx.xx"}, {44, "..x...x."}},
                    {{51, "x.xxx.xx"}, {44, "..x...x."}, {36, "o.o.o.o."}, {38, ".....o.."}}},
        .fill = {{36, "x......."}, {51, "x.x....."}, {38, "..o.x.xX"}},
        .sections =
            {{"a1", "E5e G5e rq E5e G5e A5e G5e | E5q C5e A4e rh | F5e A5e rq F5e A5e C6e A5e | G5q D5e B4e rh",
              "C6 Am7 Dm7 G7"},
             {"a2", "G5q. E5e D5e E5e rq | G5e A5e G5e E5e C#5q rq | F5q. D5e C5e D5e rq | B4e D5e F5e A5e G5q rq",
              "Em7 A7 Dm7 G7"},
             {"a3", "B5q. G5e E5e G5e rq | C#5e E5e G5e Bb5e A5q rq | F5e E5e D5e C5e B4e D5e G5q | C5q. G4e C5q rq",
              "Em7 A7 Dm7:h G7:h C6"},
             {"b1", "A5q C6e A5e G5e F5e E5q | Ab5q F5e D5e Bb4h | G5q B5e G5e E5e D5e rq | C#5e E5e G5e A5e G5h",
              "Fmaj7 Bb7 Em7 A7"},
             {"b2",
              "F5q A5e F5e D5e C5e rq | G5q F5e D5e B4e G4e rq | E5e G5e B5e G5e C#5e E5e G5e E5e | "
              "F5e E5e D5e C5e B4e A4e G4q",
              "Dm7 G7 Em7:h A7:h Dm7:h G7:h"}},
        .form = {{"a1", Lead::none, 0, Ending::plain},
                 {"a1", Lead::main, 0, Ending::plain},
                 {"a2", Lead::main, 0, Ending::plain},
                 {"a1", Lead::main, 0, Ending::plain},
                 {"a3", Lead::main, 0, Ending::fill},
                 {"b1", Lead::main, 1, Ending::plain},
                 {"b2", Lead::main, 1, Ending::plain},
                 {"a1", Lead::second, 1, Ending::plain},
                 {"a3", Lead::second, 1, Ending::fill},
                 {"a1", Lead::main, 1, Ending::plain},
                 {"a3", Lead::main, 1, Ending::plain}},
    };
}

std::vector<Song> allSongs() {
    return {waltz(), sportyTheme(), ballad(), pastoral(), nocturne(), march(), swing()};
}

// ---------------------------------------------------------------- notation

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> result;
    std::size_t begin = text.find_first_not_of(' ');
    while (begin != std::string_view::npos) {
        const std::size_t end = text.find(' ', begin);
        result.push_back(text.substr(begin, end - begin));
        begin = text.find_first_not_of(' ', end == std::string_view::npos ? text.size() : end);
    }
    return result;
}

[[noreturn]] void badNotation(std::string_view what, std::string_view text) {
    throw std::invalid_argument(std::string(what) + ": \"" + std::string(text) + "\"");
}

Tick letterTicks(char letter, std::string_view word) {
    switch (letter) {
        case 'w': return 4 * quarter;
        case 'h': return 2 * quarter;
        case 'q': return quarter;
        case 'e': return eighth;
        case 's': return sixteenth;
        case 't': return quarter / 3;
        default: badNotation("unknown duration", word);
    }
}

Tick parseDuration(std::string_view text) {
    Tick total = 0;
    Tick lastLetter = 0;
    for (const char c : text) {
        const Tick added = c == '.' ? lastLetter / 2 : letterTicks(c, text);
        if (added == 0) badNotation("misplaced dot", text);
        total += added;
        lastLetter = c == '.' ? 0 : added;
    }
    if (total == 0) badNotation("missing duration", text);
    return total;
}

struct PitchName {
    int semitone;  // from C; flats of C give -1
    std::size_t length;
};

PitchName parsePitchName(std::string_view text) {
    constexpr std::string_view naturals = "C D EF G A B";
    const std::size_t natural = text.empty() || text[0] == ' ' ? std::string_view::npos : naturals.find(text[0]);
    if (natural == std::string_view::npos) badNotation("not a pitch", text);
    const int semitone = static_cast<int>(natural);
    if (text.size() > 1 && text[1] == '#') return {semitone + 1, 2};
    if (text.size() > 1 && text[1] == 'b') return {semitone - 1, 2};
    return {semitone, 1};
}

struct MelodyEvent {
    std::optional<int> key;  // none for a rest
    Tick length;
};

MelodyEvent parseMelodyWord(std::string_view word) {
    if (word[0] == 'r') return {std::nullopt, parseDuration(word.substr(1))};
    const PitchName name = parsePitchName(word);
    if (name.length >= word.size() || word[name.length] < '0' || word[name.length] > '9')
        badNotation("missing octave", word);
    const int octave = word[name.length] - '0';
    return {(octave + 1) * 12 + name.semitone, parseDuration(word.substr(name.length + 1))};
}

std::vector<MelodyEvent> parseMelody(std::string_view text, Tick bar) {
    std::vector<MelodyEvent> events;
    Tick elapsed = 0;
    for (const std::string_view word : words(text)) {
        if (word == "|") {
            if (elapsed % bar != 0) badNotation("bar line inside a bar", text);
            continue;
        }
        events.push_back(parseMelodyWord(word));
        elapsed += events.back().length;
    }
    return events;
}

struct Chord {
    int root;  // pitch classes, any octave
    int bass;
    std::vector<int> intervals;
};

std::vector<int> qualityIntervals(std::string_view quality) {
    static const std::vector<std::pair<std::string_view, std::vector<int>>> qualities = {
        {"", {0, 4, 7}},         {"m", {0, 3, 7}},         {"7", {0, 4, 7, 10}},
        {"maj7", {0, 4, 7, 11}}, {"m7", {0, 3, 7, 10}},    {"6", {0, 4, 7, 9}},
    };
    for (const auto& [name, intervals] : qualities)
        if (name == quality) return intervals;
    badNotation("unknown chord quality", quality);
}

Chord parseChordSymbol(std::string_view symbol) {
    const PitchName root = parsePitchName(symbol);
    const std::string_view rest = symbol.substr(root.length);
    const std::size_t slash = rest.find('/');
    int bass = root.semitone;
    if (slash != std::string_view::npos) {
        const std::string_view bassName = rest.substr(slash + 1);
        const PitchName parsed = parsePitchName(bassName);
        if (parsed.length != bassName.size()) badNotation("bad slash bass", symbol);
        bass = parsed.semitone;
    }
    return {root.semitone, bass, qualityIntervals(rest.substr(0, slash))};
}

struct ChordSpan {
    Tick start;
    Tick length;
    Chord chord;
};

std::vector<ChordSpan> parseChords(std::string_view text, Tick bar) {
    std::vector<ChordSpan> spans;
    Tick elapsed = 0;
    for (const std::string_view word : words(text)) {
        const std::size_t colon = word.find(':');
        const Tick length = colon == std::string_view::npos ? bar : parseDuration(word.substr(colon + 1));
        spans.push_back({elapsed, length, parseChordSymbol(word.substr(0, colon))});
        elapsed += length;
    }
    return spans;
}

// ---------------------------------------------------------------- arrangement

struct Note {
    Tick start;
    Tick length;
    int key;
    int velocity;
};

struct PassSpan {
    Tick start;
    Tick end;
    const Pass* pass;
};

struct Arrangement {
    Tick length = 0;
    std::vector<Note> lead;
    std::vector<Note> secondLead;
    std::vector<ChordSpan> chords;
    std::vector<PassSpan> passes;
};

Tick barTicks(Meter meter) {
    return static_cast<Tick>(meter.beats) * 4 * ticksPerQuarter / static_cast<Tick>(meter.beatUnit);
}

// Downbeats lead, off-beat notes sit back a little.
int accent(Tick tick, Tick bar) {
    if (tick % bar == 0) return 8;
    return tick % eighth == 0 && tick % quarter != 0 ? -4 : 0;
}

// A short breath between melody notes so repeated pitches are heard.
Tick articulated(Tick length) {
    return length - std::min<Tick>(length / 8, 40);
}

const Section& findSection(const Song& song, std::string_view name) {
    for (const Section& section : song.sections)
        if (section.name == name) return section;
    throw std::invalid_argument("no section " + std::string(name) + " in " + std::string(song.title));
}

Tick totalLength(const std::vector<ChordSpan>& chords) {
    return chords.empty() ? 0 : chords.back().start + chords.back().length;
}

Tick totalLength(const std::vector<MelodyEvent>& melody) {
    Tick total = 0;
    for (const MelodyEvent& event : melody) total += event.length;
    return total;
}

std::vector<Note> placeMelody(const std::vector<MelodyEvent>& melody, Tick start, int transpose, const Voice& voice,
                              Tick bar) {
    std::vector<Note> notes;
    Tick at = start;
    for (const MelodyEvent& event : melody) {
        if (event.key)
            notes.push_back({at, articulated(event.length), *event.key + transpose, voice.velocity + accent(at, bar)});
        at += event.length;
    }
    return notes;
}

void appendPassMelody(Arrangement& arrangement, const Song& song, const Pass& pass,
                      const std::vector<MelodyEvent>& melody, Tick start) {
    const Tick bar = barTicks(song.meter);
    auto append = [&](std::vector<Note>& target, const Voice& voice, int transpose) {
        const std::vector<Note> placed = placeMelody(melody, start, transpose, voice, bar);
        target.insert(target.end(), placed.begin(), placed.end());
    };
    switch (pass.lead) {
        case Lead::none: break;
        case Lead::main: append(arrangement.lead, song.lead, 0); break;
        case Lead::high: append(arrangement.lead, song.lead, 12); break;
        case Lead::second:
            if (!song.secondLead) throw std::invalid_argument("no second lead in " + std::string(song.title));
            append(arrangement.secondLead, *song.secondLead, 0);
            break;
    }
}

Arrangement arrange(const Song& song) {
    const Tick bar = barTicks(song.meter);
    Arrangement arrangement;
    for (const Pass& pass : song.form) {
        const Section& section = findSection(song, pass.section);
        const std::vector<ChordSpan> chords = parseChords(section.chords, bar);
        const std::vector<MelodyEvent> melody = parseMelody(section.melody, bar);
        const Tick length = totalLength(chords);
        if (length == 0 || length % bar != 0 || totalLength(melody) != length)
            throw std::invalid_argument("section " + std::string(section.name) + " of " + std::string(song.title) +
                                        ": melody and chords must fill the same whole bars");
        const Tick start = arrangement.length;
        for (const ChordSpan& span : chords)
            arrangement.chords.push_back({start + span.start, span.length, span.chord});
        appendPassMelody(arrangement, song, pass, melody, start);
        arrangement.passes.push_back({start, start + length, &pass});
        arrangement.length = start + length;
    }
    return arrangement;
}

// ---------------------------------------------------------------- accompaniment

int placeAbove(int pitchClass, int lowest) {
    return lowest + ((pitchClass - lowest) % 12 + 12) % 12;
}

std::vector<int> closeVoicing(const Chord& chord, int lowest) {
    std::vector<int> keys;
    for (const int interval : chord.intervals) keys.push_back(placeAbove(chord.root + interval, lowest));
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::vector<int> patternKeys(char symbol, const Chord& chord, const Chord& next, int lowest) {
    const int root = placeAbove(chord.root, lowest);
    auto tone = [&](std::size_t index) {
        return root + (index < chord.intervals.size() ? chord.intervals[index] : 12);
    };
    switch (symbol) {
        case 'x': return closeVoicing(chord, lowest);
        case 'p': return {root, root + 7, root + 12};
        case '1': return {placeAbove(chord.bass, lowest)};
        case '3': return {tone(1)};
        case '5': return {tone(2)};
        case '7': return {tone(3)};
        case '8': return {root + 12};
        case 'T': return {tone(1) + 12};
        case 'a': return {placeAbove(next.bass, lowest) - 1};
        default: throw std::invalid_argument(std::string("unknown pattern symbol ") + symbol);
    }
}

std::size_t chordIndexAt(const std::vector<ChordSpan>& chords, Tick tick) {
    const auto after = std::upper_bound(chords.begin(), chords.end(), tick,
                                        [](Tick t, const ChordSpan& span) { return t < span.start; });
    return static_cast<std::size_t>(after - chords.begin()) - 1;
}

struct Held {
    Tick start;
    char symbol;
    std::vector<int> keys;
    int velocity;
};

std::vector<Note> renderPart(const Part& part, const Arrangement& arrangement, Tick step, Tick bar) {
    if (part.pattern.size() * step % bar != 0)
        throw std::invalid_argument("pattern of " + std::string(part.voice.name) + " is not whole bars");
    std::vector<Note> notes;
    std::optional<Held> held;
    auto release = [&](Tick end) {
        if (!held) return;
        for (const int key : held->keys) notes.push_back({held->start, end - held->start, key, held->velocity});
        held.reset();
    };
    const auto& chords = arrangement.chords;
    for (Tick tick = 0; tick < arrangement.length; tick += step) {
        char symbol = part.pattern[(tick / step) % part.pattern.size()];
        const std::size_t index = chordIndexAt(chords, tick);
        // A held note re-strikes when the harmony moves under it.
        if (symbol == '-' && held && chords[index].start == tick) symbol = held->symbol;
        if (symbol == '-') continue;
        release(tick);
        if (symbol == '.') continue;
        const Chord& next = chords[(index + 1) % chords.size()].chord;
        held = Held{tick, symbol, patternKeys(symbol, chords[index].chord, next, part.lowestKey),
                    part.voice.velocity + accent(tick, bar)};
    }
    release(arrangement.length);
    return notes;
}

int drumVelocity(char hit, int base) {
    switch (hit) {
        case 'X': return base + 18;
        case 'x': return base;
        case 'o': return base - 16;
        default: throw std::invalid_argument(std::string("unknown drum hit ") + hit);
    }
}

void playGrooveBar(const Groove& groove, Tick barStart, Tick step, Tick bar, int baseVelocity,
                   std::vector<Note>& notes) {
    for (const DrumLine& line : groove) {
        if (line.hits.size() * step != bar) throw std::invalid_argument("drum line is not one bar long");
        for (std::size_t i = 0; i < line.hits.size(); ++i)
            if (line.hits[i] != '.')
                notes.push_back({barStart + static_cast<Tick>(i) * step, step / 2, line.key,
                                 drumVelocity(line.hits[i], baseVelocity)});
    }
}

// Each pass plays its groove; a fill ending swaps its last bar for the fill
// and lands a crash on the next downbeat.
std::vector<Note> renderDrums(const Song& song, const Arrangement& arrangement) {
    const Tick bar = barTicks(song.meter);
    std::vector<Note> notes;
    bool crashDue = false;
    for (const PassSpan& span : arrangement.passes) {
        if (span.pass->groove >= song.grooves.size()) throw std::invalid_argument("no such groove");
        if (crashDue) notes.push_back({span.start, song.stepTicks, crashCymbal, song.drums.velocity + 10});
        for (Tick barStart = span.start; barStart < span.end; barStart += bar) {
            const bool fillBar = span.pass->ending == Ending::fill && barStart + bar == span.end;
            const Groove& groove = fillBar ? song.fill : song.grooves[span.pass->groove];
            playGrooveBar(groove, barStart, song.stepTicks, bar, song.drums.velocity, notes);
        }
        crashDue = span.pass->ending == Ending::fill;
    }
    return notes;
}

// Swung eighths: the first half of each beat stretches to two thirds.
Tick swung(Tick tick) {
    const Tick beat = tick - tick % quarter;
    const Tick within = tick % quarter;
    return beat + (within < eighth ? within * 4 / 3 : 2 * quarter / 3 + (within - eighth) * 2 / 3);
}

void applySwing(std::vector<Note>& notes) {
    for (Note& note : notes) {
        const Tick end = swung(note.start + note.length);
        note.start = swung(note.start);
        note.length = end - note.start;
    }
}

// ---------------------------------------------------------------- MIDI bytes

std::uint8_t dataByte(int value) {
    if (value < 0 || value > 127) throw std::out_of_range("MIDI data byte out of range: " + std::to_string(value));
    return static_cast<std::uint8_t>(value);
}

void appendBigEndian(Bytes& out, std::uint32_t value, int byteCount) {
    for (int shift = 8 * (byteCount - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void appendVariableLength(Bytes& out, std::uint32_t value) {
    Bytes reversed{static_cast<std::uint8_t>(value & 0x7F)};
    while ((value >>= 7) != 0) reversed.push_back(static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
    out.insert(out.end(), reversed.rbegin(), reversed.rend());
}

Bytes metaEvent(std::uint8_t type, const Bytes& data) {
    Bytes event{0xFF, type};
    appendVariableLength(event, static_cast<std::uint32_t>(data.size()));
    event.insert(event.end(), data.begin(), data.end());
    return event;
}

Bytes textBytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

class Track {
public:
    // At one tick, set-up events come first and note-offs precede note-ons.
    enum Order { setup, noteOff, noteOn };

    void add(Tick tick, Bytes bytes, Order order = setup) { events_.push_back({tick, order, std::move(bytes)}); }

    Bytes chunk(Tick end) const {
        std::vector<Timed> sorted = events_;
        std::stable_sort(sorted.begin(), sorted.end(), [](const Timed& a, const Timed& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        Bytes body;
        Tick now = 0;
        for (const Timed& event : sorted) {
            appendVariableLength(body, event.tick - now);
            now = event.tick;
            body.insert(body.end(), event.bytes.begin(), event.bytes.end());
        }
        appendVariableLength(body, std::max(end, now) - now);
        const Bytes endOfTrack = metaEvent(0x2F, {});
        body.insert(body.end(), endOfTrack.begin(), endOfTrack.end());

        Bytes out = textBytes("MTrk");
        appendBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
        return out;
    }

private:
    struct Timed {
        Tick tick;
        Order order;
        Bytes bytes;
    };
    std::vector<Timed> events_;
};

Bytes timeSignature(Meter meter) {
    int unitPower = 0;
    while ((1 << unitPower) < meter.beatUnit) ++unitPower;
    // MIDI clocks per metronome click: compound meters click on dotted beats.
    const bool compound = meter.beatUnit == 8 && meter.beats % 3 == 0;
    const int clocks = 96 / meter.beatUnit * (compound ? 3 : 1);
    return metaEvent(0x58, {dataByte(meter.beats), dataByte(unitPower), dataByte(clocks), 8});
}

Bytes keySignature(KeySignature key) {
    const auto sharps = static_cast<std::uint8_t>(static_cast<std::int8_t>(key.sharps));
    return metaEvent(0x59, {sharps, dataByte(key.minor ? 1 : 0)});
}

Bytes tempo(int quarterBpm) {
    Bytes microseconds;
    appendBigEndian(microseconds, static_cast<std::uint32_t>((60'000'000 + quarterBpm / 2) / quarterBpm), 3);
    return metaEvent(0x51, microseconds);
}

Track conductorTrack(const Song& song) {
    Track track;
    track.add(0, metaEvent(0x03, textBytes(song.title)));
    track.add(0, timeSignature(song.meter));
    track.add(0, keySignature(song.key));
    track.add(0, tempo(song.quarterBpm));
    return track;
}

std::uint8_t status(int kind, int channel) {
    return static_cast<std::uint8_t>(kind | channel);
}

Track voiceTrack(const Voice& voice, int channel, int reverb, const std::vector<Note>& notes) {
    Track track;
    track.add(0, metaEvent(0x03, textBytes(voice.name)));
    track.add(0, {status(0xC0, channel), dataByte(voice.program)});
    track.add(0, {status(0xB0, channel), 7, dataByte(voice.volume)});
    track.add(0, {status(0xB0, channel), 10, dataByte(voice.pan)});
    track.add(0, {status(0xB0, channel), 91, dataByte(reverb)});
    for (const Note& note : notes) {
        const std::uint8_t key = dataByte(note.key);
        track.add(note.start, {status(0x90, channel), key, dataByte(std::clamp(note.velocity, 1, 127))},
                  Track::noteOn);
        track.add(note.start + note.length, {status(0x80, channel), key, 64}, Track::noteOff);
    }
    return track;
}

struct VoiceNotes {
    const Voice* voice;
    int channel;
    std::vector<Note> notes;
};

std::vector<VoiceNotes> renderVoices(const Song& song, const Arrangement& arrangement) {
    const Tick bar = barTicks(song.meter);
    std::vector<VoiceNotes> voices{{&song.lead, 0, arrangement.lead}};
    int channel = 1;
    for (const Part& part : song.parts)
        voices.push_back({&part.voice, channel++, renderPart(part, arrangement, song.stepTicks, bar)});
    if (!arrangement.secondLead.empty()) voices.push_back({&*song.secondLead, channel++, arrangement.secondLead});
    if (channel > drumChannel) throw std::invalid_argument("too many parts in " + std::string(song.title));
    voices.push_back({&song.drums, drumChannel, renderDrums(song, arrangement)});
    return voices;
}

Bytes midiFile(const Song& song) {
    const Arrangement arrangement = arrange(song);
    std::vector<Track> tracks{conductorTrack(song)};
    for (VoiceNotes& voice : renderVoices(song, arrangement)) {
        if (song.swing) applySwing(voice.notes);
        tracks.push_back(voiceTrack(*voice.voice, voice.channel, song.reverb, voice.notes));
    }

    Bytes out = textBytes("MThd");
    appendBigEndian(out, 6, 4);
    appendBigEndian(out, 1, 2);  // format 1: conductor track plus one track per voice
    appendBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
    appendBigEndian(out, ticksPerQuarter, 2);
    for (const Track& track : tracks) {
        const Bytes chunk = track.chunk(arrangement.length);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_songs OUTDIR\n";
        return 2;
    }
    try {
        const std::filesystem::path outDir = argv[1];
        std::filesystem::create_directories(outDir);
        for (const Song& song : allSongs())
            writeFile(outDir / (std::string(song.title) + ".mid"), midiFile(song));
    } catch (const std::exception& error) {
        std::cerr << "make_songs: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
