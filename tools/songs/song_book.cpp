// The note data of every song.
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
        .lead = {"Flute", 73, 86, 110, 64},
        .secondLead = Voice{"Music Box", 10, 92, 105, 72},
        .parts = {{{"Piano", 0, 60, 90, 48}, 53, "..x.x."},
                  {{"Strings", 48, 48, 70, 84}, 60, "x-----------"},
                  {{"Bass", 32, 80, 108, 64}, 36, "1-....5-...."}},
        .drums = {"Drums", 0, 58, 82, 64},
        .grooves = {{{42, "..o.o."}, {36, "o....."}}, {{36, "x....."}, {42, "x.x.x."}, {37, "..o.o."}}},
        .fill = {{36, "x....."}, {38, "..o.xX"}},
        .sections = {{"a1", "C5h A4q | D5h F5q | F5q. E5e D5q | C5h.", "F Dm Bb C7"},
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
        .lead = {"Brass", 61, 88, 102, 64},
        .secondLead = std::nullopt,
        .parts = {{{"Guitar", 29, 56, 72, 40}, 50, "p.p.p.p.p.p.p.p."},
                  {{"Strings", 48, 48, 62, 88}, 62, "x---------------"},
                  {{"Bass", 34, 84, 110, 64}, 38, "1.1.1.1.1.1.8.5."}},
        .drums = {"Drums", 0, 72, 95, 64},
        .grooves =
            {{{36, "x.......x......."}, {38, "....x.......x..."}, {42, "x.x.x.x.x.x.x.x."}},
             {{36, "x.....x.x.x....."}, {38, "....X.......X..."}, {42, "x.x.x.x.x.x.x..."}, {46, "..............x."}}},
        .fill = {{36, "x.......x......."},
                 {38, "....x.x.xxx....."},
                 {48, "...........xx..."},
                 {45, ".............xxX"}},
        .sections = {{"v1", "F#5q F#5e E5e D5q A4q | C#5q. D5e E5h | D5q. C#5e B4q F#5q | G5h. rq", "D A Bm G"},
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
        .lead = {"Alto Sax", 65, 84, 105, 64},
        .secondLead = std::nullopt,
        .parts = {{{"Nylon Guitar", 24, 60, 92, 44}, 48, "158T8585"},
                  {{"Strings", 48, 50, 72, 84}, 60, "x-------"},
                  {{"Fretless Bass", 35, 80, 108, 64}, 36, "1-----5-"}},
        .drums = {"Drums", 0, 54, 78, 64},
        .grooves = {{{42, "o.o.o.o."}, {37, "..o...o."}}, {{36, "x...x..."}, {37, "..x...x."}, {42, "oooooooo"}}},
        .fill = {{36, "x......."}, {38, "..o.o.xX"}},
        .sections = {{"a1", "G4q. Ab4e Bb4h | F4q. G4e Bb4q Ab4q | G4q. F4e Eb4q G4q | C5h. Bb4q", "Eb Bb/D Cm Ab"},
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
        .lead = {"Oboe", 68, 84, 102, 60},
        .secondLead = Voice{"Recorder", 74, 90, 108, 68},
        .parts = {{{"Steel Guitar", 25, 58, 95, 44}, 48, "158T85"}, {{"Bass", 32, 74, 105, 64}, 36, "1--5--"}},
        .drums = {"Percussion", 0, 56, 80, 76},
        .grooves = {{{70, "xooxoo"}}, {{36, "x....."}, {70, "xooxoo"}, {54, "...o.."}}},
        .fill = {{36, "x....."}, {70, "xooxoo"}, {63, "...xx."}, {64, ".....x"}},
        .sections = {{"a1", "D5q B4e G4q. | E5q. D5q B4e | C5q E5e G5q. | F#5q. A4q.", "G Em C D"},
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
        .lead = {"Piano", 0, 90, 120, 60},
        .secondLead = std::nullopt,
        .parts = {{{"Piano Left Hand", 0, 64, 112, 52}, 45, "158T8585"},
                  {{"Slow Strings", 49, 56, 80, 84}, 57, "x-------"},
                  {{"Cello", 42, 72, 100, 68}, 36, "1-------"}},
        .drums = {"Percussion", 0, 52, 80, 64},
        .grooves = {{{81, "x......."}}, {{81, "x......."}, {44, "..o...o."}}},
        .fill = {},
        .sections = {{"a1", "E5q. D5e C5q A4q | F5q. E5e D5h | D5q. C5e B4q G4q | E5w", "Am Dm G C"},
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
        .lead = {"Clarinet", 71, 88, 108, 64},
        .secondLead = Voice{"Piccolo", 72, 84, 100, 72},
        .parts = {{{"Horns", 60, 64, 85, 48}, 53, "..x...x."}, {{"Tuba", 58, 84, 108, 64}, 34, "1...5..."}},
        .drums = {"Drums", 0, 62, 88, 64},
        .grooves = {{{36, "x...x..."}, {38, "..o...o."}}, {{36, "x...x..."}, {38, "..x.o.xx"}}},
        .fill = {{36, "x......."}, {38, "x.xxx.xX"}},
        .sections = {{"head", "F4e Bb4e D5e F5e | F5q. D5e | Eb5e C5e A4e C5e | D5q Bb4q", "Bb Bb F7 Bb"},
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

}

std::vector<Song> songBook()
{
    return {waltz(), sportyTheme(), ballad(), pastoral(), nocturne(), march(), swing()};
}

}
