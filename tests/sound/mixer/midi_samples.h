// Small MIDI files for the tests: one that plays, and every kind of broken
// or empty song that a synthesizer must never be handed.
#pragma once

#include <string>
#include <vector>

namespace teaser::testing {

inline std::string midiHeader(int format, int tracks, int division, int length = 6)
{
    std::string header("MThd", 4);
    for (int shift = 24; shift >= 0; shift -= 8)
        header += char(length >> shift & 0xFF);
    for (const int value : {format, tracks, division}) {
        header += char(value >> 8 & 0xFF);
        header += char(value & 0xFF);
    }
    return header;
}

inline std::string midiTrack(const std::string &events)
{
    const auto size = events.size();
    return std::string("MTrk", 4) + char(size >> 24 & 0xFF) + char(size >> 16 & 0xFF) + char(size >> 8 & 0xFF)
           + char(size & 0xFF) + events;
}

const std::string endOfTrack("\x00\xFF\x2F\x00", 4);

// A piano chord held for most of a second at 120 bpm, 480 ticks a quarter.
inline std::string oneSecondSong()
{
    const std::string events =
        std::string("\x00\xC0\x00", 3) + std::string("\x00\x90\x3C\x64\x00\x90\x40\x64\x00\x90\x43\x64", 12)
        + std::string("\x83\x60\x80\x3C\x00\x00\x80\x40\x00\x00\x80\x43\x00", 13) + std::string("\x20\xFF\x2F\x00", 4);
    return midiHeader(1, 1, 480) + midiTrack(events);
}

struct BrokenSong {
    const char *what;
    std::string bytes;
};

inline std::vector<BrokenSong> brokenSongs()
{
    const std::string song = oneSecondSong();
    std::string randomTail = song.substr(0, 14);
    for (int i = 0; i < 400; ++i)
        randomTail += char((i * 193 + 71) % 256);
    std::string manyTracks = midiHeader(1, 129, 480);
    for (int i = 0; i < 129; ++i)
        manyTracks += midiTrack(std::string("\x00\x90\x3C\x40\x83\x60\x80\x3C\x00", 9) + endOfTrack);
    return {
        {"zero bytes", ""},
        {"truncated", song.substr(0, song.size() - 9)},
        {"random bytes after MThd", randomTail},
        {"a bad header length", midiHeader(1, 1, 480, 7) + std::string(1, '\0') + song.substr(14)},
        {"SMPTE timing", midiHeader(1, 1, 0xE728) + song.substr(14)},
        {"more than 128 tracks", manyTracks},
        {"only End of Track", midiHeader(0, 1, 480) + midiTrack(endOfTrack)},
    };
}

}
