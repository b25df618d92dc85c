// make_songs OUTDIR
//
// Writes the quiz's background songs as Standard MIDI Files (format 1). The
// note data is in songs/song_book.cpp; songs/song.h explains the notation.

#include "common/bytes.h"
#include "songs/midi_writer.h"
#include "songs/song.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_songs OUTDIR\n";
        return 2;
    }
    try {
        const std::filesystem::path outDir = argv[1];
        std::filesystem::create_directories(outDir);
        for (const songs::Song &song : songs::songBook())
            tools::writeFile(outDir / (std::string(song.title) + ".mid"), songs::midiFile(song));
    } catch (const std::exception &error) {
        std::cerr << "make_songs: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
