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

// Velocity offsets of the levels, for the backing; the lead takes half.
int levelVelocity(Level level)
{
    switch (level) {
    case Level::p:
        return -12;
    case Level::mp:
        return -6;
    case Level::mf:
        return 0;
    case Level::f:
        return 6;
    }
    return 0;
}

// Channel expression of the levels: about 4 dB from p to f, on top of the
// velocities.
int levelExpression(Level level)
{
    switch (level) {
    case Level::p:
        return 100;
    case Level::mp:
        return 110;
    case Level::mf:
        return 119;
    case Level::f:
        return 127;
    }
    return 127;
}

std::vector<Note> placeMelody(const std::vector<MelodyEvent> &melody, Tick start, int transpose, const Voice &voice,
                              Level level, Tick bar)
{
    std::vector<Note> notes;
    Tick at = start;
    for (const MelodyEvent &event : melody) {
        if (event.key)
            notes.push_back({at, articulated(event.length), *event.key + transpose,
                             voice.velocity + levelVelocity(level) / 2 + accent(at, bar)});
        at += event.length;
    }
    return notes;
}

void appendPassMelody(Arrangement &arrangement, const Song &song, const Pass &pass,
                      const std::vector<MelodyEvent> &melody, Tick start)
{
    const Tick bar = barTicks(song.meter);
    auto append = [&](std::vector<Note> &target, const Voice &voice, int transpose) {
        const std::vector<Note> placed = placeMelody(melody, start, transpose, voice, pass.level, bar);
        target.insert(target.end(), placed.begin(), placed.end());
    };
    switch (pass.lead) {
    case Lead::none:
        break;
    case Lead::main:
        append(arrangement.lead, song.lead, 0);
        break;
    case Lead::high:
        append(arrangement.lead, song.lead, 12);
        break;
    case Lead::second:
        if (!song.secondLead)
            throw std::invalid_argument("no second lead in " + std::string(song.title));
        append(arrangement.secondLead, *song.secondLead, 0);
        break;
    }
}

// ---------------------------------------------------------------- backing

int placeAbove(int pitchClass, int lowest)
{
    return lowest + ((pitchClass - lowest) % 12 + 12) % 12;
}

// The octave of `pitchClass` nearest `from`, kept within [lowest, highest].
int placeNear(int pitchClass, int from, int lowest, int highest)
{
    int key = placeAbove(pitchClass, from - 6);
    while (key > highest)
        key -= 12;
    while (key < lowest)
        key += 12;
    return key;
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
    case 'x':
        return closeVoicing(chord, lowest);
    case 'p':
        return {root, root + 7, root + 12};
    case '1':
        return {placeAbove(chord.bass, lowest)};
    case '3':
        return {tone(1)};
    case '5':
        return {tone(2)};
    case '7':
        return {tone(3)};
    case '8':
        return {root + 12};
    case 'T':
        return {tone(1) + 12};
    case 'a':
        return {placeAbove(next.bass, lowest) - 1};
    default:
        throw std::invalid_argument(std::string("unknown pattern symbol ") + symbol);
    }
}

// A smooth line's notes: each in the octave nearest the one before, so the
// bass steps instead of leaping; an approach note leans on the next bass.
int smoothKey(char symbol, const Chord &chord, const Chord &next, int lowest, int previous)
{
    const int highest = lowest + 16;
    if (symbol == 'a')
        return placeNear(next.bass, previous, lowest + 1, highest + 1) - 1;
    const int key = patternKeys(symbol, chord, next, lowest).front();
    return placeNear(key % 12, previous, lowest, highest);
}

std::size_t chordIndexAt(const std::vector<ChordSpan> &chords, Tick tick)
{
    const auto after = std::upper_bound(chords.begin(), chords.end(), tick,
                                        [](Tick t, const ChordSpan &span) { return t < span.start; });
    return static_cast<std::size_t>(after - chords.begin()) - 1;
}

const PassSpan &passAt(const Arrangement &arrangement, Tick tick)
{
    for (const PassSpan &span : arrangement.passes)
        if (tick < span.end)
            return span;
    return arrangement.passes.back();
}

// The lowest key of `notes` sounding in [start, end), or none.
std::optional<int> lowestKeyIn(const std::vector<Note> &notes, Tick start, Tick end)
{
    std::optional<int> lowest;
    for (const Note &note : notes)
        if (note.start < end && note.start + note.length > start)
            lowest = std::min(lowest.value_or(note.key), note.key);
    return lowest;
}

// Keeps a chord part between the bass and the tune: a key that would reach
// the melody drops an octave, one at or under the bass rises one, and one
// that fits nowhere is left out.
std::vector<int> betweenBassAndMelody(const std::vector<int> &keys, std::optional<int> melody, std::optional<int> bass,
                                      int floor)
{
    std::vector<int> kept;
    for (int key : keys) {
        while (bass && key <= *bass)
            key += 12;
        while (melody && key >= *melody)
            key -= 12;
        const bool fits = key >= floor && (!bass || key > *bass);
        if (fits && std::find(kept.begin(), kept.end(), key) == kept.end())
            kept.push_back(key);
    }
    return kept;
}

struct Held {
    Tick start;
    char symbol;
    std::vector<int> keys;
    int velocity;
};

// The final bar holds one chord, the bass on its root: the song ends, and
// loops, on a real cadence.
char finalSymbol(const Part &part)
{
    return part.smooth ? '1' : 'x';
}

// `melody` and `bass` are the notes this part has to stay between; a smooth
// part is the bass itself and only keeps under the melody.
std::vector<Note> renderPart(const Part &part, const Arrangement &arrangement, const std::vector<Note> &melody,
                             const std::vector<Note> &bass, Tick step, Tick bar)
{
    for (std::string_view pattern : part.patterns)
        if (pattern.size() * step % bar != 0)
            throw std::invalid_argument("pattern of " + std::string(part.voice.name) + " is not whole bars");
    std::vector<Note> notes;
    std::optional<Held> held;
    int previous = part.lowestKey + 7;
    auto release = [&](Tick end) {
        if (!held)
            return;
        const std::optional<int> under = part.smooth ? std::nullopt : lowestKeyIn(bass, held->start, held->start + 1);
        const std::vector<int> keys =
            betweenBassAndMelody(held->keys, lowestKeyIn(melody, held->start, end), under, part.lowestKey - 12);
        for (const int key : keys)
            notes.push_back({held->start, end - held->start, key, held->velocity});
        held.reset();
    };
    const auto &chords = arrangement.chords;
    const Tick finalBar = arrangement.length - bar;
    for (Tick tick = 0; tick < arrangement.length; tick += step) {
        const PassSpan &span = passAt(arrangement, tick);
        const std::string_view pattern = part.patterns[static_cast<std::size_t>(span.pass->role)];
        char symbol = pattern.empty() ? '.' : pattern[((tick - span.start) / step) % pattern.size()];
        const std::size_t index = chordIndexAt(chords, tick);
        // At the end of every section the bass lands on each chord's root and
        // holds it, so the cadence is heard.
        if (part.smooth && tick + bar >= span.end)
            symbol = chords[index].start == tick || tick + bar == span.end ? '1' : '-';
        if (tick >= finalBar)
            symbol = tick == finalBar ? finalSymbol(part) : '-';
        // A held note re-strikes when the harmony moves under it.
        if (symbol == '-' && held && chords[index].start == tick)
            symbol = held->symbol;
        if (symbol == '-' && !held)
            symbol = '.';
        if (symbol == '-')
            continue;
        release(tick);
        if (symbol == '.')
            continue;
        const Chord &next = chords[(index + 1) % chords.size()].chord;
        std::vector<int> keys = patternKeys(symbol, chords[index].chord, next, part.lowestKey);
        if (part.smooth)
            keys = {smoothKey(symbol, chords[index].chord, next, part.lowestKey, previous)};
        previous = keys.front();
        held = Held{tick, symbol, keys, part.voice.velocity + levelVelocity(span.pass->level) + accent(tick, bar)};
    }
    release(arrangement.length);
    return notes;
}

// ---------------------------------------------------------------- drums

int drumVelocity(char hit, int base)
{
    switch (hit) {
    case 'X':
        return base + 18;
    case 'x':
        return base;
    case 'o':
        return base - 16;
    default:
        throw std::invalid_argument(std::string("unknown drum hit ") + hit);
    }
}

void playGrooveBar(const Groove &groove, Tick barStart, Tick step, Tick bar, int baseVelocity, bool downbeatOnly,
                   std::vector<Note> &notes)
{
    for (const DrumLine &line : groove) {
        if (line.hits.size() * step != bar)
            throw std::invalid_argument("drum line is not one bar long");
        for (std::size_t i = 0; i < (downbeatOnly ? 1 : line.hits.size()); ++i)
            if (line.hits[i] != '.')
                notes.push_back({barStart + static_cast<Tick>(i) * step, step / 2, line.key,
                                 drumVelocity(line.hits[i], baseVelocity)});
    }
}

bool changesRole(const Arrangement &arrangement, std::size_t pass)
{
    return pass + 1 < arrangement.passes.size()
           && arrangement.passes[pass + 1].pass->role != arrangement.passes[pass].pass->role;
}

// Each pass plays its role's groove. The last bar before a new role is the
// fill, and a chorus lands with a crash; the song's last bar only sounds
// its downbeat.
std::vector<Note> renderDrums(const Song &song, const Arrangement &arrangement)
{
    const Tick bar = barTicks(song.meter);
    std::vector<Note> notes;
    for (std::size_t p = 0; p < arrangement.passes.size(); ++p) {
        const PassSpan &span = arrangement.passes[p];
        const int velocity = song.drums.velocity + levelVelocity(span.pass->level);
        if (p > 0 && changesRole(arrangement, p - 1) && span.pass->role == Role::chorus)
            notes.push_back({span.start, song.stepTicks, crashCymbal, velocity + 10});
        for (Tick barStart = span.start; barStart < span.end; barStart += bar) {
            const bool lastBar = barStart + bar == span.end;
            const bool fillBar = lastBar && changesRole(arrangement, p) && !song.fill.empty();
            const Groove &groove = fillBar ? song.fill : song.grooves[static_cast<std::size_t>(span.pass->role)];
            playGrooveBar(groove, barStart, song.stepTicks, bar, velocity, barStart + bar == arrangement.length, notes);
        }
    }
    return notes;
}

// Channel expression: each pass at its level, and over the last bar
// before a change a ramp into the next level, a step every eighth.
std::vector<ControlPoint> passExpression(const Arrangement &arrangement, Tick bar)
{
    std::vector<ControlPoint> points;
    for (std::size_t p = 0; p < arrangement.passes.size(); ++p) {
        const PassSpan &span = arrangement.passes[p];
        const int level = levelExpression(span.pass->level);
        if (points.empty() || points.back().value != level)
            points.push_back({span.start, level});
        if (p + 1 == arrangement.passes.size())
            continue;
        const int next = levelExpression(arrangement.passes[p + 1].pass->level);
        const Tick rampStart = span.end - bar;
        const Tick steps = bar / eighth;
        for (Tick i = 1; i < steps && next != level; ++i)
            points.push_back(
                {rampStart + i * eighth, level + (next - level) * static_cast<int>(i) / static_cast<int>(steps)});
    }
    return points;
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
            throw std::invalid_argument("section " + std::string(section.name) + " of " + std::string(song.title)
                                        + ": melody and chords must fill the same whole bars");
        const Tick start = arrangement.length;
        for (const ChordSpan &span : chords)
            arrangement.chords.push_back({start + span.start, span.length, span.chord});
        appendPassMelody(arrangement, song, pass, melody, start);
        arrangement.passes.push_back({start, start + length, &pass});
        arrangement.length = start + length;
    }
    return arrangement;
}

const char *roleName(Role role)
{
    switch (role) {
    case Role::intro:
        return "intro";
    case Role::verse:
        return "verse";
    case Role::chorus:
        return "chorus";
    case Role::bridge:
        return "bridge";
    case Role::ending:
        return "ending";
    }
    return "";
}

std::vector<VoiceNotes> renderVoices(const Song &song, const Arrangement &arrangement)
{
    const Tick bar = barTicks(song.meter);
    std::vector<Note> melody = arrangement.lead;
    melody.insert(melody.end(), arrangement.secondLead.begin(), arrangement.secondLead.end());
    // The tune swells and settles with the backing, so the song's arc is heard
    // and the tune stays the same distance on top.
    const std::vector<ControlPoint> expression = passExpression(arrangement, bar);
    std::vector<VoiceNotes> voices{{&song.lead, leadChannel, arrangement.lead, expression}};
    if (song.secondLead)
        voices.push_back({&*song.secondLead, secondLeadChannel, arrangement.secondLead, expression});
    // The bass first, so the chord parts can keep above it.
    std::vector<Note> bass;
    for (const Part &part : song.parts)
        if (part.smooth) {
            const std::vector<Note> notes = renderPart(part, arrangement, melody, {}, song.stepTicks, bar);
            bass.insert(bass.end(), notes.begin(), notes.end());
        }
    int channel = firstBackingChannel;
    for (const Part &part : song.parts)
        voices.push_back(
            {&part.voice, channel++, renderPart(part, arrangement, melody, bass, song.stepTicks, bar), expression});
    if (channel > drumChannel)
        throw std::invalid_argument("too many parts in " + std::string(song.title));
    voices.push_back({&song.drums, drumChannel, renderDrums(song, arrangement), expression});
    if (song.swing)
        for (VoiceNotes &voice : voices)
            applySwing(voice.notes);
    return voices;
}

}
