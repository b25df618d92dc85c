// Turns a song's sections and form into notes: the melody passes, the
// accompaniment patterns over the chords, and the drum grooves.
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

struct VoiceNotes {
    const Voice *voice;
    int channel;
    std::vector<Note> notes;
};

Tick barTicks(Meter meter);
Arrangement arrange(const Song &song);
// Every voice of the song with its channel: the lead first, the drums last.
std::vector<VoiceNotes> renderVoices(const Song &song, const Arrangement &arrangement);

}
