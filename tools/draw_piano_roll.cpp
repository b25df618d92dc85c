// draw_piano_roll [--lead=CH,CH] SONG.mid OUT.ppm
//
// Draws a song's notes as a piano roll, time across and pitch up, into a
// binary PPM (convert it with ImageMagick for the docs). The lead is drawn
// in orange, each backing channel in its own shade of blue, the drums as
// grey ticks along the bottom, and marked sections as thin grey lines.
// The lead plays on channels 0 and 1 unless --lead names others.

#include "audio/midi_notes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

class Picture {
public:
    Picture(int width, int height, Rgb background)
        : width_(width)
        , height_(height)
        , pixels_(static_cast<std::size_t>(width * height), background)
    {
    }

    void fill(int left, int top, int right, int bottom, Rgb colour)
    {
        for (int y = std::max(0, top); y < std::min(height_, bottom); ++y)
            for (int x = std::max(0, left); x < std::min(width_, right); ++x)
                pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
    }

    void write(const std::string &path) const
    {
        std::ofstream file(path, std::ios::binary);
        file << "P6\n" << width_ << ' ' << height_ << "\n255\n";
        for (const Rgb &pixel : pixels_)
            file.put(static_cast<char>(pixel.r)).put(static_cast<char>(pixel.g)).put(static_cast<char>(pixel.b));
        if (!file)
            throw std::runtime_error("cannot write " + path);
    }

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

constexpr int width = 1800;
constexpr int rollHeight = 420;
constexpr int drumHeight = 40;
constexpr int lowestKey = 28;
constexpr int highestKey = 100;

constexpr Rgb background{250, 250, 247};
constexpr Rgb octaveLine{228, 228, 222};
constexpr Rgb sectionLine{150, 150, 150};
constexpr Rgb leadColour{232, 106, 30};
constexpr Rgb drumColour{120, 120, 120};
constexpr std::array<Rgb, 7> backingColours{
    Rgb{40, 90, 170},  Rgb{70, 140, 200}, Rgb{30, 150, 140},  Rgb{110, 110, 190},
    Rgb{60, 170, 210}, Rgb{20, 110, 110}, Rgb{130, 160, 220},
};

double secondsShown = 100.0; // the song's length, set before drawing

int xAt(double seconds)
{
    return static_cast<int>(seconds / secondsShown * width);
}

int yAt(int key)
{
    const double rowHeight = static_cast<double>(rollHeight) / (highestKey - lowestKey + 1);
    return static_cast<int>((highestKey - std::clamp(key, lowestKey, highestKey)) * rowHeight);
}

void draw(const audio::MidiSong &song, const std::set<int> &lead, const std::string &outPath)
{
    secondsShown = song.seconds;
    Picture picture(width, rollHeight + drumHeight, background);
    const int rowHeight = std::max(2, rollHeight / (highestKey - lowestKey + 1));
    for (int key = 36; key <= highestKey; key += 12)
        picture.fill(0, yAt(key), width, yAt(key) + 1, octaveLine);
    for (const audio::Marker &marker : song.markers)
        picture.fill(xAt(marker.seconds), 0, xAt(marker.seconds) + 1, rollHeight + drumHeight, sectionLine);
    picture.fill(0, rollHeight, width, rollHeight + 1, sectionLine);
    // Backing first, so the lead is drawn over it where they meet.
    for (int pass = 0; pass < 2; ++pass)
        for (const audio::MidiNote &note : song.notes) {
            const bool isLead = lead.count(note.channel) > 0;
            if (note.channel == audio::drumChannel || isLead != (pass == 1))
                continue;
            const Rgb colour = isLead ? leadColour : backingColours[static_cast<std::size_t>(note.channel) % 7];
            const int left = xAt(note.startSeconds);
            const int right = std::max(left + 2, xAt(note.endSeconds) - 1);
            picture.fill(left, yAt(note.key), right, yAt(note.key) + rowHeight, colour);
        }
    for (const audio::MidiNote &note : song.notes)
        if (note.channel == audio::drumChannel) {
            const int height = drumHeight * note.velocity / 127;
            const int x = xAt(note.startSeconds);
            picture.fill(x, rollHeight + drumHeight - height, x + 1, rollHeight + drumHeight, drumColour);
        }
    picture.write(outPath);
}

}

int main(int argc, char **argv)
{
    std::set<int> lead{0, 1};
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--lead=", 0) == 0)
            lead = audio::channelList(argument.substr(7));
        else
            paths.push_back(argument);
    }
    if (paths.size() != 2) {
        std::cerr << "usage: draw_piano_roll [--lead=CH,CH] SONG.mid OUT.ppm\n";
        return 2;
    }
    try {
        draw(audio::readMidiSong(audio::readFileBytes(paths[0])), lead, paths[1]);
    } catch (const std::exception &error) {
        std::cerr << "draw_piano_roll: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
