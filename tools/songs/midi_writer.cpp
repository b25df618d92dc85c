#include "songs/midi_writer.h"

#include "songs/arrangement.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

namespace songs {

namespace {

using tools::appendBigEndian;
using tools::appendVariableLength;
using tools::Bytes;

std::uint8_t dataByte(int value)
{
    if (value < 0 || value > 127)
        throw std::out_of_range("MIDI data byte out of range: " + std::to_string(value));
    return static_cast<std::uint8_t>(value);
}

Bytes metaEvent(std::uint8_t type, const Bytes &data)
{
    Bytes event{0xFF, type};
    appendVariableLength(event, static_cast<std::uint32_t>(data.size()));
    event.insert(event.end(), data.begin(), data.end());
    return event;
}

Bytes textBytes(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

class Track {
public:
    // At one tick, set-up events come first and note-offs precede note-ons.
    enum Order { setup, noteOff, noteOn };

    void add(Tick tick, Bytes bytes, Order order = setup) { events_.push_back({tick, order, std::move(bytes)}); }

    Bytes chunk(Tick end) const
    {
        std::vector<Timed> sorted = events_;
        std::stable_sort(sorted.begin(), sorted.end(), [](const Timed &a, const Timed &b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        Bytes body;
        Tick now = 0;
        for (const Timed &event : sorted) {
            appendVariableLength(body, event.tick - now);
            now = event.tick;
            body.insert(body.end(), event.bytes.begin(), event.bytes.end());
        }
        appendVariableLength(body, std::max(end, now) - now);
        const Bytes endOfTrack = metaEvent(0x2F, {});
        body.insert(body.end(), endOfTrack.begin(), endOfTrack.end());

        Bytes out = textBytes("MTrk");
        appendBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
        return out;
    }

private:
    struct Timed {
        Tick tick;
        Order order;
        Bytes bytes;
    };
    std::vector<Timed> events_;
};

Bytes timeSignature(Meter meter)
{
    int unitPower = 0;
    while ((1 << unitPower) < meter.beatUnit)
        ++unitPower;
    // MIDI clocks per metronome click: compound meters click on dotted beats.
    const bool compound = meter.beatUnit == 8 && meter.beats % 3 == 0;
    const int clocks = 96 / meter.beatUnit * (compound ? 3 : 1);
    return metaEvent(0x58, {dataByte(meter.beats), dataByte(unitPower), dataByte(clocks), 8});
}

Bytes keySignature(KeySignature key)
{
    const auto sharps = static_cast<std::uint8_t>(static_cast<std::int8_t>(key.sharps));
    return metaEvent(0x59, {sharps, dataByte(key.minor ? 1 : 0)});
}

Bytes tempo(int quarterBpm)
{
    Bytes microseconds;
    appendBigEndian(microseconds, static_cast<std::uint32_t>((60'000'000 + quarterBpm / 2) / quarterBpm), 3);
    return metaEvent(0x51, microseconds);
}

// Markers name each pass by its role and section, for players and for
// checking that every section ends on a cadence.
Track conductorTrack(const Song &song, const Arrangement &arrangement)
{
    Track track;
    track.add(0, metaEvent(0x03, textBytes(song.title)));
    track.add(0, timeSignature(song.meter));
    track.add(0, keySignature(song.key));
    track.add(0, tempo(song.quarterBpm));
    for (const PassSpan &span : arrangement.passes)
        track.add(span.start, metaEvent(0x06, textBytes(std::string(roleName(span.pass->role)) + " "
                                                        + std::string(span.pass->section))));
    return track;
}

// Channel volume after the song's loudness trim; CC7 attenuates by about
// 40 log10(value / 127) dB.
int trimmedVolume(int volume, double trimDb)
{
    return std::clamp(static_cast<int>(std::lround(volume * std::pow(10.0, trimDb / 40.0))), 1, 127);
}

std::uint8_t status(int kind, int channel)
{
    return static_cast<std::uint8_t>(kind | channel);
}

Track voiceTrack(const VoiceNotes &voiceNotes, const Song &song)
{
    const Voice &voice = *voiceNotes.voice;
    const int channel = voiceNotes.channel;
    const int reverb = song.reverb;
    Track track;
    track.add(0, metaEvent(0x03, textBytes(voice.name)));
    track.add(0, {status(0xC0, channel), dataByte(voice.program)});
    const bool lead = channel == leadChannel || channel == secondLeadChannel;
    const double trimDb = song.trimDb + (lead ? 0.0 : song.backingDb);
    track.add(0, {status(0xB0, channel), 7, dataByte(trimmedVolume(voice.volume, trimDb))});
    for (const ControlPoint &point : voiceNotes.expression)
        track.add(point.tick, {status(0xB0, channel), 11, dataByte(point.value)});
    track.add(0, {status(0xB0, channel), 10, dataByte(voice.pan)});
    track.add(0, {status(0xB0, channel), 91, dataByte(reverb)});
    for (const Note &note : voiceNotes.notes) {
        const std::uint8_t key = dataByte(note.key);
        track.add(note.start, {status(0x90, channel), key, dataByte(std::clamp(note.velocity, 1, 127))}, Track::noteOn);
        track.add(note.start + note.length, {status(0x80, channel), key, 64}, Track::noteOff);
    }
    return track;
}

}

Bytes midiFile(const Song &song)
{
    const Arrangement arrangement = arrange(song);
    std::vector<Track> tracks{conductorTrack(song, arrangement)};
    for (const VoiceNotes &voice : renderVoices(song, arrangement))
        tracks.push_back(voiceTrack(voice, song));

    Bytes out = textBytes("MThd");
    appendBigEndian(out, 6, 4);
    appendBigEndian(out, 1, 2); // format 1: conductor track plus one track per voice
    appendBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
    appendBigEndian(out, ticksPerQuarter, 2);
    for (const Track &track : tracks) {
        const Bytes chunk = track.chunk(arrangement.length);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

}
