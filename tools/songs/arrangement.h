// Turns a song's sections and form into notes: the melody passes, the
// backing patterns over the chords, the drum grooves and fills, and the
// level of every pass.
#pragma once

#include "songs/notation.h"
#include "songs/song.h"

#include <vector>

namespace songs {

struct Note {
    Tick start;
    Tick length;
    int key;
    int velocity;
};

struct PassSpan {
    Tick start;
    Tick end;
    const Pass *pass;
};

struct Arrangement {
    Tick length = 0;
    std::vector<Note> lead;
    std::vector<Note> secondLead;
    std::vector<ChordSpan> chords;
    std::vector<PassSpan> passes;
};

// A channel controller value from `tick` on.
struct ControlPoint {
    Tick tick;
    int value;
};

struct VoiceNotes {
    const Voice *voice;
    int channel;
    std::vector<Note> notes;
    std::vector<ControlPoint> expression; // empty: left at full
};

Tick barTicks(Meter meter);
Arrangement arrange(const Song &song);
// Every voice of the song with its channel: the leads, the backing parts,
// the drums.
std::vector<VoiceNotes> renderVoices(const Song &song, const Arrangement &arrangement);
const char *roleName(Role role);

}
