#include "songs/arrangement.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

namespace songs {

namespace {

constexpr int crashCymbal = 49;

// Downbeats lead, off-beat notes sit back a little.
int accent(Tick tick, Tick bar)
{
    if (tick % bar == 0)
        return 8;
    return tick % eighth == 0 && tick % quarter != 0 ? -4 : 0;
}

// A short breath between melody notes so repeated pitches are heard.
Tick articulated(Tick length)
{
    return length - std::min<Tick>(length / 8, 40);
}

const Section &findSection(const Song &song, std::string_view name)
{
    for (const Section &section : song.sections)
        if (section.name == name)
            return section;
    throw std::invalid_argument("no section " + std::string(name) + " in " + std::string(song.title));
}

Tick totalLength(const std::vector<ChordSpan> &chords)
{
    return chords.empty() ? 0 : chords.back().start + chords.back().length;
}

Tick totalLength(const std::vector<MelodyEvent> &melody)
{
    Tick total = 0;
    for (const MelodyEvent &event : melody)
        total += event.length;
    return total;
}

std::vector<Note> placeMelody(const std::vector<MelodyEvent> &melody, Tick start, int transpose, const Voice &voice,
                              Tick bar)
{
    std::vector<Note> notes;
    Tick at = start;
    for (const MelodyEvent &event : melody) {
        if (event.key)
            notes.push_back({at, articulated(event.length), *event.key + transpose, voice.velocity + accent(at, bar)});
        at += event.length;
    }
    return notes;
}

void appendPassMelody(Arrangement &arrangement, const Song &song, const Pass &pass,
                      const std::vector<MelodyEvent> &melody, Tick start)
{
    const Tick bar = barTicks(song.meter);
    auto append = [&](std::vector<Note> &target, const Voice &voice, int transpose) {
        const std::vector<Note> placed = placeMelody(melody, start, transpose, voice, bar);
        target.insert(target.end(), placed.begin(), placed.end());
    };
    switch (pass.lead) {
        case Lead::none: break;
        case Lead::main: append(arrangement.lead, song.lead, 0); break;
        case Lead::high: append(arrangement.lead, song.lead, 12); break;
        case Lead::second:
            if (!song.secondLead)
                throw std::invalid_argument("no second lead in " + std::string(song.title));
            append(arrangement.secondLead, *song.secondLead, 0);
            break;
    }
}

// ---------------------------------------------------------------- accompaniment

int placeAbove(int pitchClass, int lowest)
{
    return lowest + ((pitchClass - lowest) % 12 + 12) % 12;
}

std::vector<int> closeVoicing(const Chord &chord, int lowest)
{
    std::vector<int> keys;
    for (const int interval : chord.intervals)
        keys.push_back(placeAbove(chord.root + interval, lowest));
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::vector<int> patternKeys(char symbol, const Chord &chord, const Chord &next, int lowest)
{
    const int root = placeAbove(chord.root, lowest);
    auto tone = [&](std::size_t index) {
        return root + (index < chord.intervals.size() ? chord.intervals[index] : 12);
    };
    switch (symbol) {
        case 'x': return closeVoicing(chord, lowest);
        case 'p': return {root, root + 7, root + 12};
        case '1': return {placeAbove(chord.bass, lowest)};
        case '3': return {tone(1)};
        case '5': return {tone(2)};
        case '7': return {tone(3)};
        case '8': return {root + 12};
        case 'T': return {tone(1) + 12};
        case 'a': return {placeAbove(next.bass, lowest) - 1};
        default: throw std::invalid_argument(std::string("unknown pattern symbol ") + symbol);
    }
}

std::size_t chordIndexAt(const std::vector<ChordSpan> &chords, Tick tick)
{
    const auto after = std::upper_bound(chords.begin(), chords.end(), tick,
                                        [](Tick t, const ChordSpan &span) { return t < span.start; });
    return static_cast<std::size_t>(after - chords.begin()) - 1;
}

struct Held {
    Tick start;
    char symbol;
    std::vector<int> keys;
    int velocity;
};

std::vector<Note> renderPart(const Part &part, const Arrangement &arrangement, Tick step, Tick bar)
{
    if (part.pattern.size() * step % bar != 0)
        throw std::invalid_argument("pattern of " + std::string(part.voice.name) + " is not whole bars");
    std::vector<Note> notes;
    std::optional<Held> held;
    auto release = [&](Tick end) {
        if (!held)
            return;
        for (const int key : held->keys)
            notes.push_back({held->start, end - held->start, key, held->velocity});
        held.reset();
    };
    const auto &chords = arrangement.chords;
    for (Tick tick = 0; tick < arrangement.length; tick += step) {
        char symbol = part.pattern[(tick / step) % part.pattern.size()];
        const std::size_t index = chordIndexAt(chords, tick);
        // A held note re-strikes when the harmony moves under it.
        if (symbol == '-' && held && chords[index].start == tick)
            symbol = held->symbol;
        if (symbol == '-')
            continue;
        release(tick);
        if (symbol == '.')
            continue;
        const Chord &next = chords[(index + 1) % chords.size()].chord;
        held = Held{tick, symbol, patternKeys(symbol, chords[index].chord, next, part.lowestKey),
                    part.voice.velocity + accent(tick, bar)};
    }
    release(arrangement.length);
    return notes;
}

int drumVelocity(char hit, int base)
{
    switch (hit) {
        case 'X': return base + 18;
        case 'x': return base;
        case 'o': return base - 16;
        default: throw std::invalid_argument(std::string("unknown drum hit ") + hit);
    }
}

void playGrooveBar(const Groove &groove, Tick barStart, Tick step, Tick bar, int baseVelocity, std::vector<Note> &notes)
{
    for (const DrumLine &line : groove) {
        if (line.hits.size() * step != bar)
            throw std::invalid_argument("drum line is not one bar long");
        for (std::size_t i = 0; i < line.hits.size(); ++i)
            if (line.hits[i] != '.')
                notes.push_back({barStart + static_cast<Tick>(i) * step, step / 2, line.key,
                                 drumVelocity(line.hits[i], baseVelocity)});
    }
}

// Each pass plays its groove; a fill ending swaps its last bar for the fill
// and lands a crash on the next downbeat.
std::vector<Note> renderDrums(const Song &song, const Arrangement &arrangement)
{
    const Tick bar = barTicks(song.meter);
    std::vector<Note> notes;
    bool crashDue = false;
    for (const PassSpan &span : arrangement.passes) {
        if (span.pass->groove >= song.grooves.size())
            throw std::invalid_argument("no such groove");
        if (crashDue)
            notes.push_back({span.start, song.stepTicks, crashCymbal, song.drums.velocity + 10});
        for (Tick barStart = span.start; barStart < span.end; barStart += bar) {
            const bool fillBar = span.pass->ending == Ending::fill && barStart + bar == span.end;
            const Groove &groove = fillBar ? song.fill : song.grooves[span.pass->groove];
            playGrooveBar(groove, barStart, song.stepTicks, bar, song.drums.velocity, notes);
        }
        crashDue = span.pass->ending == Ending::fill;
    }
    return notes;
}

// Swung eighths: the first half of each beat stretches to two thirds.
Tick swung(Tick tick)
{
    const Tick beat = tick - tick % quarter;
    const Tick within = tick % quarter;
    return beat + (within < eighth ? within * 4 / 3 : 2 * quarter / 3 + (within - eighth) * 2 / 3);
}

void applySwing(std::vector<Note> &notes)
{
    for (Note &note : notes) {
        const Tick end = swung(note.start + note.length);
        note.start = swung(note.start);
        note.length = end - note.start;
    }
}

}

Tick barTicks(Meter meter)
{
    return static_cast<Tick>(meter.beats) * 4 * ticksPerQuarter / static_cast<Tick>(meter.beatUnit);
}

Arrangement arrange(const Song &song)
{
    const Tick bar = barTicks(song.meter);
    Arrangement arrangement;
    for (const Pass &pass : song.form) {
        const Section &section = findSection(song, pass.section);
        const std::vector<ChordSpan> chords = parseChords(section.chords, bar);
        const std::vector<MelodyEvent> melody = parseMelody(section.melody, bar);
        const Tick length = totalLength(chords);
        if (length == 0 || length % bar != 0 || totalLength(melody) != length)
            throw std::invalid_argument("section " + std::string(section.name) + " of " + std::string(song.title) +
                                        ": melody and chords must fill the same whole bars");
        const Tick start = arrangement.length;
        for (const ChordSpan &span : chords)
            arrangement.chords.push_back({start + span.start, span.length, span.chord});
        appendPassMelody(arrangement, song, pass, melody, start);
        arrangement.passes.push_back({start, start + length, &pass});
        arrangement.length = start + length;
    }
    return arrangement;
}

std::vector<VoiceNotes> renderVoices(const Song &song, const Arrangement &arrangement)
{
    const Tick bar = barTicks(song.meter);
    std::vector<VoiceNotes> voices{{&song.lead, 0, arrangement.lead}};
    int channel = 1;
    for (const Part &part : song.parts)
        voices.push_back({&part.voice, channel++, renderPart(part, arrangement, song.stepTicks, bar)});
    if (!arrangement.secondLead.empty())
        voices.push_back({&*song.secondLead, channel++, arrangement.secondLead});
    if (channel > drumChannel)
        throw std::invalid_argument("too many parts in " + std::string(song.title));
    voices.push_back({&song.drums, drumChannel, renderDrums(song, arrangement)});
    if (song.swing)
        for (VoiceNotes &voice : voices)
            applySwing(voice.notes);
    return voices;
}

}
