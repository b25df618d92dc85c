// measure_songs [--sections] [--write=DIR] [--lead=CH,CH] SONG.mid...
//
// Renders each song as the program plays it (FluidSynth, the TimGM6mb
// SoundFont, SDL2_mixer's gain) three times: whole, lead alone and backing
// alone, and prints what a listener would notice: integrated loudness
// (LUFS), how far the lead stands above the backing, the loudness range
// across the song, the sample peak; and from the note data the last chord,
// lead notes with backing above them and the widest bass leap.
//
// The lead plays on channels 0 and 1 unless --lead names others; it
// applies to the files after it, as do --sections, which adds the
// loudness of every marked section, and --write, which saves each whole
// render as a WAVE file in DIR for listening. Set TEASER_SOUNDFONT to use another font.

#include "audio/loudness.h"
#include "audio/midi_notes.h"
#include "audio/song_render.h"
#include "common/bytes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <limits>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using audio::MidiNote;
using audio::MidiSong;

std::string pitchName(int pitchClass, bool flats)
{
    static const std::array<const char *, 12> sharpNames{"C",  "C#", "D",  "D#", "E",  "F",
                                                         "F#", "G",  "G#", "A",  "A#", "B"};
    static const std::array<const char *, 12> flatNames{"C",  "Db", "D",  "Eb", "E",  "F",
                                                        "Gb", "G",  "Ab", "A",  "Bb", "B"};
    return (flats ? flatNames : sharpNames)[static_cast<std::size_t>((pitchClass % 12 + 12) % 12)];
}

int tonicOf(const MidiSong &song)
{
    const int major = ((song.keySharps * 7) % 12 + 12) % 12;
    return song.minorKey ? (major + 9) % 12 : major;
}

// Names the chord that the pitch classes spell, with a slash for its bass.
std::string chordName(const std::set<int> &classes, int bass, bool flats)
{
    static const std::vector<std::pair<const char *, std::set<int>>> qualities = {
        {"", {0, 4, 7}},     {"m", {0, 3, 7}}, {"7", {0, 4, 7, 10}}, {"maj7", {0, 4, 7, 11}}, {"m7", {0, 3, 7, 10}},
        {"6", {0, 4, 7, 9}}, {"5", {0, 7}},    {"", {0, 4}},         {"m", {0, 3}},
    };
    // The bass is tried first as the root, so C E G A over C reads C6.
    std::vector<int> roots{bass};
    for (int pitchClass : classes)
        if (pitchClass != bass)
            roots.push_back(pitchClass);
    for (int root : roots)
        for (const auto &[suffix, intervals] : qualities) {
            std::set<int> shifted;
            for (int pitchClass : classes)
                shifted.insert((pitchClass - root + 12) % 12);
            if (shifted != intervals)
                continue;
            std::string name = pitchName(root, flats) + suffix;
            if (root != bass)
                name += "/" + pitchName(bass, flats);
            return name;
        }
    std::string name = "?";
    for (int pitchClass : classes)
        name += " " + pitchName(pitchClass, flats);
    return name;
}

struct FinalChord {
    std::string name;
    bool rootPositionTonic;
};

// The backing's harmony in the last bar, where the song loops.
FinalChord finalChord(const MidiSong &song, const std::set<int> &lead)
{
    const std::uint32_t lastBar = song.endTick - std::min(song.endTick, song.barTicks);
    std::set<int> classes;
    int bass = 128;
    for (const MidiNote &note : song.notes)
        if (note.channel != audio::drumChannel && !lead.count(note.channel) && note.end > lastBar) {
            classes.insert(note.key % 12);
            bass = std::min(bass, note.key);
        }
    const bool flats = song.keySharps < 0;
    const int tonic = tonicOf(song);
    std::string name = chordName(classes, bass % 12, flats);
    const bool triadOnTonic = classes.count(tonic) && classes.count((tonic + 7) % 12)
                              && classes.count((tonic + (song.minorKey ? 3 : 4)) % 12);
    return {name, triadOnTonic && bass % 12 == tonic};
}

struct Crossings {
    int leadNotes = 0;
    int crossed = 0;
    int worst = 0; // semitones the backing reaches above the lead
};

Crossings crossings(const MidiSong &song, const std::set<int> &lead)
{
    Crossings result;
    for (const MidiNote &melody : song.notes) {
        if (!lead.count(melody.channel))
            continue;
        ++result.leadNotes;
        int top = -1;
        for (const MidiNote &other : song.notes)
            if (!lead.count(other.channel) && other.channel != audio::drumChannel && other.start < melody.end
                && other.end > melody.start)
                top = std::max(top, other.key);
        if (top >= melody.key) {
            ++result.crossed;
            result.worst = std::max(result.worst, top - melody.key);
        }
    }
    return result;
}

// The widest step between successive notes of the lowest backing voice.
int widestBassLeap(const MidiSong &song, const std::set<int> &lead)
{
    std::map<int, std::vector<int>> keys;
    for (const MidiNote &note : song.notes)
        if (!lead.count(note.channel) && note.channel != audio::drumChannel)
            keys[note.channel].push_back(note.key);
    int bassChannel = -1;
    double lowestMean = 128;
    for (const auto &[channel, list] : keys) {
        double sum = 0;
        for (int key : list)
            sum += key;
        if (sum / static_cast<double>(list.size()) < lowestMean) {
            lowestMean = sum / static_cast<double>(list.size());
            bassChannel = channel;
        }
    }
    int widest = 0;
    const std::vector<int> &bass = keys[bassChannel];
    for (std::size_t i = 1; i < bass.size(); ++i)
        widest = std::max(widest, std::abs(bass[i] - bass[i - 1]));
    return widest;
}

std::string fixed(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%+.1f", value);
    return text;
}

// The whole render as a 16-bit stereo WAVE file, for listening and sox.
void writeWave(const audio::StereoAudio &audio, const std::filesystem::path &path)
{
    tools::Bytes samples;
    for (std::size_t i = 0; i < audio.left.size(); ++i)
        for (float sample : {audio.left[i], audio.right[i]})
            tools::appendLittleEndian(
                samples, static_cast<std::uint16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f)), 2);
    const auto rate = static_cast<std::uint32_t>(audio.rate);
    tools::Bytes file;
    tools::appendText(file, "RIFF");
    tools::appendLittleEndian(file, static_cast<std::uint32_t>(36 + samples.size()), 4);
    tools::appendText(file, "WAVEfmt ");
    tools::appendLittleEndian(file, 16, 4);
    tools::appendLittleEndian(file, 1, 2); // PCM
    tools::appendLittleEndian(file, 2, 2); // stereo
    tools::appendLittleEndian(file, rate, 4);
    tools::appendLittleEndian(file, rate * 4, 4);
    tools::appendLittleEndian(file, 4, 2);
    tools::appendLittleEndian(file, 16, 2);
    tools::appendText(file, "data");
    tools::appendLittleEndian(file, static_cast<std::uint32_t>(samples.size()), 4);
    tools::append(file, samples);
    tools::writeFile(path, file);
}

// Loudness of one stretch of a render, gated as the whole song is.
double stretchLoudness(const audio::StereoAudio &audio, double from, double to)
{
    audio::StereoAudio part;
    const auto first = static_cast<std::size_t>(from * audio.rate);
    const auto last = std::min(audio.left.size(), static_cast<std::size_t>(to * audio.rate));
    if (first >= last)
        return -std::numeric_limits<double>::infinity();
    part.left.assign(audio.left.begin() + static_cast<std::ptrdiff_t>(first),
                     audio.left.begin() + static_cast<std::ptrdiff_t>(last));
    part.right.assign(audio.right.begin() + static_cast<std::ptrdiff_t>(first),
                      audio.right.begin() + static_cast<std::ptrdiff_t>(last));
    return audio::integratedLoudness(part);
}

// Each marked section's loudness: whole, lead alone and backing alone.
void printSections(const MidiSong &song, const audio::StereoAudio &whole, const audio::StereoAudio &lead,
                   const audio::StereoAudio &backing)
{
    for (std::size_t i = 0; i < song.markers.size(); ++i) {
        const double from = song.markers[i].seconds;
        const double to = i + 1 < song.markers.size() ? song.markers[i + 1].seconds : song.seconds;
        std::cout << "    " << song.markers[i].text << ": " << fixed(stretchLoudness(whole, from, to)) << " LUFS, lead "
                  << fixed(stretchLoudness(lead, from, to)) << ", backing " << fixed(stretchLoudness(backing, from, to))
                  << "\n";
    }
}

struct Options {
    std::set<int> lead{0, 1};
    bool sections = false;
    std::string waveDirectory; // empty: write no renders
};

void measure(const std::string &path, const Options &options, const std::string &soundFont)
{
    const std::set<int> &lead = options.lead;
    const std::vector<std::uint8_t> bytes = audio::readFileBytes(path);
    const MidiSong song = audio::readMidiSong(bytes);
    const auto whole = audio::renderSong(bytes, soundFont, [](int) { return true; });
    const auto leadAlone = audio::renderSong(bytes, soundFont, [&](int channel) { return lead.count(channel) > 0; });
    const auto backing = audio::renderSong(bytes, soundFont, [&](int channel) { return lead.count(channel) == 0; });
    const double loudness = audio::integratedLoudness(whole);
    const double leadOverBacking = audio::integratedLoudness(leadAlone) - audio::integratedLoudness(backing);
    const FinalChord chord = finalChord(song, lead);
    const Crossings crossed = crossings(song, lead);
    std::cout << std::filesystem::path(path).stem().string() << " | " << fixed(loudness) << " LUFS | "
              << fixed(leadOverBacking) << " dB | " << chord.name
              << (chord.rootPositionTonic ? " (tonic, root position)" : " (not the tonic in root position)") << " | "
              << fixed(audio::loudnessRange(whole)) << " LU | peak " << fixed(audio::peakLevel(whole))
              << " dBFS | backing above lead on " << crossed.crossed << "/" << crossed.leadNotes << " notes (up to "
              << crossed.worst << " semitones) | widest bass leap " << widestBassLeap(song, lead) << " semitones"
              << std::endl;
    if (options.sections)
        printSections(song, whole, leadAlone, backing);
    if (!options.waveDirectory.empty())
        writeWave(whole, std::filesystem::path(options.waveDirectory)
                             / (std::filesystem::path(path).stem().string() + ".wav"));
}

}

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::cerr << "usage: measure_songs [--sections] [--write=DIR] [--lead=CH,CH] SONG.mid...\n";
        return 2;
    }
    const char *fromEnvironment = std::getenv("TEASER_SOUNDFONT");
    const std::string soundFont = fromEnvironment ? fromEnvironment : "/usr/share/sounds/sf2/TimGM6mb.sf2";
    Options options;
    std::cout << "song | loudness | lead - backing | last chord | loudness range | peak | crossings | bass\n";
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string argument = argv[i];
            if (argument.rfind("--lead=", 0) == 0)
                options.lead = audio::channelList(argument.substr(7));
            else if (argument.rfind("--write=", 0) == 0)
                options.waveDirectory = argument.substr(8);
            else if (argument == "--sections")
                options.sections = true;
            else
                measure(argument, options, soundFont);
        }
    } catch (const std::exception &error) {
        std::cerr << "measure_songs: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
