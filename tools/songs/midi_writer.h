// Writes a song as a Standard MIDI File, format 1: a conductor track with
// title, meter, key and tempo, then one track per voice.
#pragma once

#include "common/bytes.h"
#include "songs/song.h"

namespace songs {

tools::Bytes midiFile(const Song &song);

}
