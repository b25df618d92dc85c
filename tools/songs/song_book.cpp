// The note data of every song. Patterns and grooves are listed by role:
// intro, verse, chorus, bridge, ending.
#include "songs/song.h"

namespace songs {

namespace {

Song waltz()
{
    return {
        .title = "情非得以",
        .quarterBpm = 96,
        .meter = {3, 4},
        .key = {-1, false},
        .stepTicks = eighth,
        .swing = false,
        .reverb = 50,
        .trimDb = -2.8,
        .backingDb = 0.0,
        .lead = {"Flute", 73, 92, 115, 64},
        .secondLead = Voice{"Music Box", 10, 96, 110, 72},
        .parts = {{{"Piano", 0, 56, 80, 48}, 53, {"x-----", "..x.x.", "x.x.x.", "x--x--", "x.x..."}},
                  {{"Strings", 48, 40, 42, 84}, 53, {"x-----------", "", "x-----", "x-----", "x-----------"}},
                  {{"Bass", 32, 76, 100, 64}, 36, {"1-----", "1-....", "1-..5.", "1--5--", "1-----"}, true}},
        .drums = {"Drums", 0, 54, 72, 64},
        .grooves = {Groove{}, Groove{{42, "..o.o."}, {36, "o....."}},
                    Groove{{36, "x....."}, {42, "x.x.x."}, {37, "..o.o."}}, Groove{{36, "x....."}, {42, "..o..o"}},
                    Groove{{36, "o....."}}},
        .fill = {{36, "x....."}, {38, "..o.xX"}},
        .sections = {{"a1", "C5h A4q | D5h F5q | F5q. E5e D5q | C5h.", "F Dm Bb C7"},
                     {"a2", "Bb4h D5q | G5h F5q | E5q C5q A4q | G4h.", "Gm C7 Am C7"},
                     {"a3", "D5h F5q | E5q. D5e C5q | A4q F4q E4q | F4h.", "Bb C7 F:h C7:q F"},
                     {"b1", "A5h F5q | E5h C5q | D5q. E5e F5q | C5h.", "Dm Am Bb F"},
                     {"b2", "A5h F5q | E5q. D5e C5q | Bb4q D5q G5q | E5h.", "Dm Am Gm C7"}},
        .form = {{"a1", Lead::none, Role::intro, Level::p},
                 {"a1", Lead::main, Role::verse, Level::mp},
                 {"a2", Lead::main, Role::verse, Level::mp},
                 {"a1", Lead::main, Role::verse, Level::mf},
                 {"a3", Lead::main, Role::verse, Level::mf},
                 {"b1", Lead::main, Role::chorus, Level::f},
                 {"b2", Lead::main, Role::chorus, Level::f},
                 {"a1", Lead::main, Role::verse, Level::mp},
                 {"a3", Lead::main, Role::verse, Level::mp},
                 {"b1", Lead::main, Role::chorus, Level::f},
                 {"b2", Lead::main, Role::chorus, Level::f},
                 {"a1", Lead::second, Role::ending, Level::mp},
                 {"a3", Lead::second, Role::ending, Level::p}},
    };
}

// Power chords only where the chorus needs weight, and never on every eighth:
// the verse chugs on a muted guitar, the bridge drops to strings and bass.
Song sportyTheme()
{
    return {
        .title = "灌篮高手",
        .quarterBpm = 144,
        .meter = {4, 4},
        .key = {2, false},
        .stepTicks = sixteenth,
        .swing = false,
        .reverb = 30,
        .trimDb = -3.0,
        .backingDb = 0.0,
        .lead = {"Trumpet", 56, 94, 112, 64},
        .secondLead = std::nullopt,
        .parts = {{{"Overdriven Guitar", 29, 46, 46, 40},
                   45,
                   {"p---------------", "", "p-------p-------", "", "p---------------"}},
                  {{"Muted Guitar", 28, 56, 70, 88}, 47, {"", "x.x...x.x.x...x.", "", "x...x...x...x...", ""}},
                  {{"Strings", 48, 40, 40, 76},
                   55,
                   {"x---------------", "", "x---------------", "x---------------", "x---------------"}},
                  {{"Bass", 34, 80, 104, 64},
                   38,
                   {"1-------1-------", "1...1...1.1.1...", "1.1.1.1.1.1.8.5.", "1-----1-1-----1-", "1---------------"},
                   true}},
        .drums = {"Drums", 0, 66, 84, 64},
        .grooves = {Groove{{36, "x.......x......."}, {42, "x...x...x...x..."}},
                    Groove{{36, "x.......x......."}, {38, "....x.......x..."}, {42, "x.x.x.x.x.x.x.x."}},
                    Groove{{36, "x.....x.x.x....."},
                           {38, "....X.......X..."},
                           {42, "x.x.x.x.x.x.x..."},
                           {46, "..............x."}},
                    Groove{{36, "x..............."}, {38, "........x......."}, {51, "x...x...x...x..."}},
                    Groove{{36, "x.......x......."}, {51, "x...x...x...x..."}}},
        .fill = {{36, "x.......x......."},
                 {38, "....x.x.xxx....."},
                 {48, "...........xx..."},
                 {45, ".............xxX"}},
        .sections = {{"v1", "F#5q F#5e E5e D5q A4q | C#5q. D5e E5h | D5q. C#5e B4q F#5q | G5h. rq", "D A Bm A7"},
                     {"v2", "F#5q F#5e E5e D5q A5q | A5q. G5e F#5e E5e C#5q | B4q. D5e G5q B5q | A5w", "D A G A"},
                     {"ch1", "rq D5e E5e G5q F#5e E5e | rq E5e F#5e A5q G5e F#5e | rq F#5e E5e C#5q A4q | B4h A4q C#5q",
                      "G A F#m Bm:h A:h"},
                     {"ch2", "rq D5e E5e G5q B5q | A5q. G5e F#5q E5q | G5q. F#5e E5q C#5q | D5w", "G A Em:h A:h D"},
                     {"br", "B4q D5q F#5h | C#5q E5q A5h | B5q. A5e G5q D5q | E5h. C#5q", "Bm F#m G A"}},
        .form = {{"v1", Lead::none, Role::intro, Level::p},
                 {"v1", Lead::main, Role::verse, Level::p},
                 {"v2", Lead::main, Role::verse, Level::mp},
                 {"ch1", Lead::main, Role::chorus, Level::f},
                 {"ch2", Lead::main, Role::chorus, Level::f},
                 {"v1", Lead::main, Role::verse, Level::p},
                 {"v2", Lead::main, Role::verse, Level::mf},
                 {"ch1", Lead::main, Role::chorus, Level::f},
                 {"ch2", Lead::main, Role::chorus, Level::f},
                 {"br", Lead::main, Role::bridge, Level::p},
                 {"ch1", Lead::main, Role::chorus, Level::f},
                 {"ch2", Lead::main, Role::ending, Level::p}},
    };
}

Song ballad()
{
    return {
        .title = "很爱很爱你",
        .quarterBpm = 74,
        .meter = {4, 4},
        .key = {-3, false},
        .stepTicks = eighth,
        .swing = false,
        .reverb = 64,
        .trimDb = -2.5,
        .backingDb = 0.0,
        .lead = {"Alto Sax", 65, 90, 112, 64},
        .secondLead = std::nullopt,
        .parts = {{{"Nylon Guitar", 24, 58, 84, 44}, 48, {"1.5.8.5.", "1.5.8.5.", "158T8585", "", "x-------"}},
                  {{"Strings", 48, 40, 42, 84}, 53, {"x-------", "x-------", "x---x---", "", "x-------"}},
                  {{"Fretless Bass", 35, 76, 100, 64}, 36, {"1-------", "1-----5-", "1--1--5-", "", "1-------"}, true}},
        .drums = {"Drums", 0, 50, 70, 64},
        .grooves = {Groove{}, Groove{{42, "o.o.o.o."}, {37, "..o...o."}},
                    Groove{{36, "x...x..."}, {37, "..x...x."}, {42, "oooooooo"}}, Groove{}, Groove{{42, "o......."}}},
        .fill = {{36, "x......."}, {38, "..o.o.xX"}},
        .sections =
            {{"a1", "G4q. Ab4e Bb4h | F4q. G4e Bb4q Ab4q | G4q. F4e Eb4q G4q | C5h. Bb4q", "Eb Bb/D Cm Ab:h Bb:h"},
             {"a2", "Bb4q. G4e Eb5h | C5q. Bb4e Ab4q C5q | Ab4q. G4e F4q Ab4q | F4h. rq", "Eb/G Ab Fm Bb"},
             {"a3", "Bb4q. G4e Eb5h | C5q. Bb4e Ab4q C5q | Bb4q. Ab4e G4q F4q | Eb4w", "Eb/G Ab Bb Eb"},
             {"b1", "C5q Eb5q Eb5q. D5e | D5q Bb4q Bb4h | Bb4q D5q D5q. C5e | C5h D5q Bb4q", "Ab Bb Gm Cm:h Bb:h"},
             {"b2", "C5q Eb5q Ab5q. G5e | F5q D5q Bb4h | Bb4q D5q Eb5q G5q | F5h. rq", "Ab Bb/Ab Gm:h Cm:h Fm:h Bb:h"}},
        .form = {{"a1", Lead::none, Role::intro, Level::f},
                 {"a1", Lead::main, Role::verse, Level::mp},
                 {"a2", Lead::main, Role::verse, Level::mp},
                 {"b1", Lead::main, Role::chorus, Level::mf},
                 {"b2", Lead::main, Role::chorus, Level::f},
                 {"a1", Lead::main, Role::verse, Level::mp},
                 {"a3", Lead::main, Role::ending, Level::p}},
    };
}

Song pastoral()
{
    return {
        .title = "记事本",
        .quarterBpm = 108,
        .meter = {6, 8},
        .key = {1, false},
        .stepTicks = eighth,
        .swing = false,
        .reverb = 48,
        .trimDb = -3.8,
        .backingDb = 2.5,
        .lead = {"Oboe", 68, 88, 108, 60},
        .secondLead = Voice{"Recorder", 74, 94, 112, 68},
        .parts = {{{"Steel Guitar", 25, 56, 86, 44}, 48, {"158T85", "158T85", "x.xx.x", "1.5.8.", "x-----"}},
                  {{"Strings", 48, 40, 40, 84}, 52, {"", "", "x-----", "x-----", ""}},
                  {{"Bass", 32, 72, 98, 64}, 36, {"1-----", "1--5--", "1-.5-.", "1-----", "1-----"}, true}},
        .drums = {"Percussion", 0, 54, 74, 76},
        .grooves = {Groove{{70, "x..x.."}}, Groove{{70, "xooxoo"}},
                    Groove{{36, "x....."}, {70, "xooxoo"}, {54, "...o.."}}, Groove{{70, "x..x.."}, {54, "...o.."}},
                    Groove{{70, "x....."}}},
        .fill = {{36, "x....."}, {70, "xooxoo"}, {63, "...xx."}, {64, ".....x"}},
        .sections = {{"a1", "D5q B4e G4q. | E5q. D5q B4e | C5q E5e G5q. | F#5q. A4q.", "G Em C D"},
                     {"a2", "D5q B4e G4q B4e | E5q G5e E5q D5e | C5q. A4q. | D5h.", "G Em Am D"},
                     {"a3", "D5q B4e G4q B4e | C5q E5e G5q E5e | D5q. C5e B4e A4e | G4h.", "G C D G"},
                     {"b1", "E5q. G5q E5e | F#5q. A5q. | D5q F#5e B4q. | G5q. F#5q.", "C D Bm Em:q. D:q."},
                     {"b2", "E5q. G5q E5e | F#5q. A5q G5e | G5q. E5q. | D5q. F#5q.", "C D Em:q. C:q. D"}},
        .form = {{"a1", Lead::none, Role::intro, Level::p},
                 {"a1", Lead::main, Role::verse, Level::mp},
                 {"a2", Lead::main, Role::verse, Level::mp},
                 {"a1", Lead::main, Role::verse, Level::mf},
                 {"a3", Lead::main, Role::verse, Level::mf},
                 {"b1", Lead::main, Role::chorus, Level::f},
                 {"b2", Lead::main, Role::chorus, Level::f},
                 {"a1", Lead::second, Role::bridge, Level::mp},
                 {"a3", Lead::second, Role::bridge, Level::mp},
                 {"a1", Lead::main, Role::verse, Level::mp},
                 {"a3", Lead::main, Role::ending, Level::p}},
    };
}

// The tune keeps the piano; the backing moves to harp, strings and cello so
// the two never share a timbre.
Song nocturne()
{
    return {
        .title = "爱一个人",
        .quarterBpm = 66,
        .meter = {4, 4},
        .key = {0, true},
        .stepTicks = eighth,
        .swing = false,
        .reverb = 72,
        .trimDb = 0.9,
        .backingDb = -4.0,
        .lead = {"Piano", 0, 124, 127, 60},
        .secondLead = std::nullopt,
        .parts = {{{"Harp", 46, 60, 90, 44}, 45, {"158T8585", "1.5.8.5.", "158T8585", "", "x-------"}},
                  {{"Slow Strings", 49, 44, 44, 84}, 52, {"x-------", "x-------", "x-------", "", "x-------"}},
                  {{"Cello", 42, 66, 90, 68}, 36, {"1-------", "1-------", "1---5---", "", "1-------"}, true}},
        .drums = {"Percussion", 0, 48, 70, 64},
        .grooves = {Groove{}, Groove{{81, "x......."}}, Groove{{81, "x......."}, {44, "..o...o."}}, Groove{},
                    Groove{{81, "x......."}}},
        .fill = {{81, "x.....o."}, {44, "....o.o."}},
        .sections = {{"a1", "E5q. D5e C5q A4q | F5q. E5e D5h | D5q. C5e B4q G4q | E5w", "Am Dm G E7"},
                     {"a2", "A5q. G5e F5q C5q | D5q. E5e F5q A5q | G#5q. F5e E5q D5q | B4w", "F Dm E7 E7"},
                     {"a3", "A5q. G5e F5q C5q | D5q. E5e F5q D5q | B4q. C5e D5q G#4q | A4w", "F Dm E7 Am"},
                     {"b1", "G5q. E5e C5q E5q | D5q. B4e G4q B4q | C5q. E5e A5q G5q | G5h E5h", "C G Am Em:h E7:h"},
                     {"b2", "F5q. A5e C6q A5q | G5q. E5e C5q E5q | F5e E5e D5e C5e D5q F5q | E5w", "F C/E Dm E7"}},
        .form = {{"a1", Lead::none, Role::intro, Level::mf},
                 {"a1", Lead::main, Role::verse, Level::mp},
                 {"a2", Lead::main, Role::verse, Level::mp},
                 {"b1", Lead::main, Role::chorus, Level::f},
                 {"b2", Lead::main, Role::chorus, Level::f},
                 {"a1", Lead::high, Role::verse, Level::mf},
                 {"a3", Lead::main, Role::ending, Level::p}},
    };
}

// The head comes back varied, and a quiet trio in the middle gives the march
// somewhere to return from.
Song march()
{
    return {
        .title = "天若有情",
        .quarterBpm = 112,
        .meter = {2, 4},
        .key = {-2, false},
        .stepTicks = sixteenth,
        .swing = false,
        .reverb = 40,
        .trimDb = -1.6,
        .backingDb = -1.5,
        .lead = {"Clarinet", 71, 90, 112, 64},
        .secondLead = Voice{"Piccolo", 72, 86, 104, 72},
        .parts = {{{"Horns", 60, 58, 76, 48}, 50, {"x-------", "..x...x.", "x.x.x.x.", "x-------", "x...x..."}},
                  {{"Tuba", 58, 80, 102, 64}, 34, {"1-------", "1...5...", "1.5.1.5.", "1---5---", "1---5---"}, true}},
        .drums = {"Drums", 0, 58, 80, 64},
        .grooves = {Groove{{38, "o.o.o.o."}}, Groove{{36, "x...x..."}, {38, "..o...o."}},
                    Groove{{36, "x...x..."}, {38, "..x.o.xx"}, {42, "x.x.x.x."}},
                    Groove{{36, "x......."}, {38, "....o..."}}, Groove{{36, "x...x..."}, {38, "..o...o."}}},
        .fill = {{36, "x......."}, {38, "x.xxx.xX"}},
        .sections = {{"head", "F4e Bb4e D5e F5e | F5q. D5e | Eb5e C5e A4e C5e | D5q Bb4q", "Bb Bb F7 Bb"},
                     {"head2", "F4e Bb4e D5e F5e | Bb5q. A5e | G5e Eb5e C5e A4e | Bb4q rq", "Bb Gm F7 Bb"},
                     {"half", "G4e Bb4e Eb5e G5e | F5q. D5e | C5e E5e G5e E5e | F5h", "Eb Bb C7 F"},
                     {"full", "G5e Eb5e C5e Eb5e | E5e G5e C6e Bb5e | A5e F5e Eb5e C5e | Bb4h", "Eb C7 F7 Bb"},
                     {"t1", "Bb4q Eb5q | D5q. C5e | Bb4e C5e D5e F5e | Eb5h", "Eb Bb Bb7 F7"},
                     {"t2", "C5q Eb5q | G5q. F5e | Eb5e D5e C5e A4e | Bb4h", "Ab Eb F7 Bb"}},
        .form = {{"full", Lead::none, Role::intro, Level::p},
                 {"head", Lead::main, Role::verse, Level::mp},
                 {"half", Lead::main, Role::verse, Level::mp},
                 {"head2", Lead::main, Role::verse, Level::mf},
                 {"full", Lead::main, Role::chorus, Level::f},
                 {"head", Lead::second, Role::verse, Level::p},
                 {"half", Lead::second, Role::verse, Level::mp},
                 {"full", Lead::second, Role::chorus, Level::f},
                 {"t1", Lead::main, Role::bridge, Level::p},
                 {"t2", Lead::main, Role::bridge, Level::p},
                 {"t1", Lead::main, Role::bridge, Level::mp},
                 {"t2", Lead::main, Role::bridge, Level::mp},
                 {"head2", Lead::main, Role::chorus, Level::f},
                 {"half", Lead::main, Role::chorus, Level::f},
                 {"full", Lead::main, Role::ending, Level::mp}},
    };
}

// The walking bass steps to the nearest octave of each note, so it never
// leaps further than the line needs.
Song swing()
{
    return {
        .title = "三角志",
        .quarterBpm = 126,
        .meter = {4, 4},
        .key = {0, false},
        .stepTicks = eighth,
        .swing = true,
        .reverb = 44,
        .trimDb = -3.7,
        .backingDb = 0.0,
        .lead = {"Vibraphone", 11, 94, 118, 64},
        .secondLead = Voice{"Muted Trumpet", 59, 100, 127, 72},
        .parts = {{{"Electric Piano", 4, 58, 82, 44},
                   52,
                   {"x-------", "x..x......x..x..", "..x..x..", "x---x---", "x..x...."}},
                  {{"Bass", 32, 80, 104, 64}, 33, {"1---5---", "1-3-5-a-", "1-3-5-a-", "1---5---", "1-----5-"}, true}},
        .drums = {"Drums", 0, 56, 80, 64},
        .grooves = {Groove{{51, "x...x..."}, {44, "..x...x."}}, Groove{{51, "x.xxx.xx"}, {44, "..x...x."}},
                    Groove{{51, "x.xxx.xx"}, {44, "..x...x."}, {36, "o.o.o.o."}, {38, ".....o.."}},
                    Groove{{51, "x...x..."}, {44, "..x...x."}}, Groove{{51, "x......."}}},
        .fill = {{36, "x......."}, {51, "x.x....."}, {38, "..o.x.xX"}},
        .sections =
            {{"a1", "E5e G5e rq E5e G5e A5e G5e | E5q C5e A4e rh | F5e A5e rq F5e A5e C6e A5e | G5q D5e B4e rh",
              "C6 Am7 Dm7 G7"},
             {"a2", "G5q. E5e D5e E5e rq | G5e A5e G5e E5e C#5q rq | F5q. D5e C5e D5e rq | B4e D5e F5e A5e G5q rq",
              "Em7 A7 Dm7 G7"},
             {"a3", "B5q. G5e E5e G5e rq | C#5e E5e G5e Bb5e A5q rq | F5e E5e D5e C5e B4e D5e G5q | C5q. G4e C5q rq",
              "Em7 A7 Dm7:h G7:h C6"},
             {"b1", "A5q C6e A5e G5e F5e E5q | Ab5q F5e D5e Bb4h | G5q B5e G5e E5e D5e rq | C5e E5e F5e A5e G5h",
              "Fmaj7 Bb7 Em7:h A7:h Dm7:h G7:h"},
             {"b2",
              "F5q A5e F5e D5e C5e rq | G5q F5e D5e B4e G4e rq | E5e G5e B5e G5e C#5e E5e G5e E5e | "
              "F5e E5e D5e C5e B4e A4e G4q",
              "Dm7 G7 Em7:h A7:h Dm7:h G7:h"}},
        .form = {{"a1", Lead::none, Role::intro, Level::p},
                 {"a1", Lead::main, Role::verse, Level::mp},
                 {"a2", Lead::main, Role::verse, Level::mp},
                 {"a1", Lead::main, Role::verse, Level::mf},
                 {"a3", Lead::main, Role::verse, Level::mf},
                 {"b1", Lead::main, Role::chorus, Level::f},
                 {"b2", Lead::main, Role::chorus, Level::f},
                 {"a1", Lead::second, Role::bridge, Level::mp},
                 {"a3", Lead::second, Role::bridge, Level::mp},
                 {"a1", Lead::main, Role::chorus, Level::f},
                 {"a3", Lead::main, Role::ending, Level::mp}},
    };
}

}

std::vector<Song> songBook()
{
    return {waltz(), sportyTheme(), ballad(), pastoral(), nocturne(), march(), swing()};
}

}
