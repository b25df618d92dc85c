// Reads the notes out of a Standard MIDI File, for measuring songs and
// drawing them: who plays which key when, in ticks and in seconds.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace audio {

struct MidiNote {
    int channel;
    int key;
    int velocity;
    std::uint32_t start; // ticks
    std::uint32_t end;
    double startSeconds;
    double endSeconds;
};

struct Marker {
    std::uint32_t tick;
    double seconds;
    std::string text;
};

struct MidiSong {
    int ticksPerQuarter = 480;
    int keySharps = 0; // from the key signature; negative for flats
    bool minorKey = false;
    std::uint32_t barTicks = 1920; // from the time signature
    std::uint32_t endTick = 0;
    double seconds = 0;
    std::vector<MidiNote> notes; // sorted by start, then key
    std::vector<Marker> markers;
};

// Throws std::runtime_error on a file it cannot read.
MidiSong readMidiSong(const std::vector<std::uint8_t> &bytes);
std::vector<std::uint8_t> readFileBytes(const std::string &path);
// The channels of an option such as --lead=1,3 ("1,3"); std::stoi throws on
// anything else.
std::set<int> channelList(const std::string &list);

constexpr int drumChannel = 9;

}
