#include "audio/midi_notes.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace audio {

namespace {

class Reader {
public:
    Reader(const std::vector<std::uint8_t> &bytes, std::size_t at, std::size_t end)
        : bytes_(bytes)
        , at_(at)
        , end_(end)
    {
    }

    bool done() const { return at_ >= end_; }
    std::size_t position() const { return at_; }

    std::uint8_t byte()
    {
        if (at_ >= end_)
            throw std::runtime_error("MIDI data ends early");
        return bytes_[at_++];
    }

    std::uint8_t peek() const
    {
        if (at_ >= end_)
            throw std::runtime_error("MIDI data ends early");
        return bytes_[at_];
    }

    std::uint32_t bigEndian(int count)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = value << 8 | byte();
        return value;
    }

    std::uint32_t variableLength()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = byte();
            value = value << 7 | (b & 0x7F);
            if ((b & 0x80) == 0)
                return value;
        }
        throw std::runtime_error("variable-length quantity too long");
    }

    void skip(std::uint32_t count) { at_ += count; }

private:
    const std::vector<std::uint8_t> &bytes_;
    std::size_t at_;
    std::size_t end_;
};

struct RawNote {
    int channel;
    int key;
    int velocity;
    std::uint32_t start;
    std::uint32_t end;
};

void readTrack(Reader &reader, std::vector<RawNote> &notes, std::map<std::uint32_t, std::uint32_t> &tempos,
               MidiSong &song, const std::vector<std::uint8_t> &bytes)
{
    std::map<std::pair<int, int>, std::vector<RawNote>> open;
    std::uint32_t tick = 0;
    std::uint8_t running = 0;
    while (!reader.done()) {
        tick += reader.variableLength();
        std::uint8_t status = reader.peek();
        if (status & 0x80)
            reader.byte();
        else
            status = running;
        if (status == 0xFF) {
            const std::uint8_t type = reader.byte();
            const std::uint32_t length = reader.variableLength();
            const std::size_t at = reader.position();
            if (type == 0x51 && length == 3)
                tempos[tick] = reader.bigEndian(3);
            else if (type == 0x59 && length == 2) {
                song.keySharps = static_cast<std::int8_t>(reader.byte());
                song.minorKey = reader.byte() != 0;
            } else if (type == 0x06) {
                const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(at);
                song.markers.push_back({tick, 0.0, std::string(begin, begin + length)});
                reader.skip(length);
            } else if (type == 0x58 && length == 4) {
                const int beats = reader.byte();
                const int unitPower = reader.byte();
                song.barTicks = static_cast<std::uint32_t>(beats * song.ticksPerQuarter * 4 >> unitPower);
                reader.skip(2);
            } else
                reader.skip(length);
            reader.skip(static_cast<std::uint32_t>(at + length - reader.position()));
            song.endTick = std::max(song.endTick, tick);
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            reader.skip(reader.variableLength());
            continue;
        }
        if ((status & 0x80) == 0)
            throw std::runtime_error("running status without a status");
        running = status;
        const int kind = status & 0xF0;
        const int channel = status & 0x0F;
        const int first = reader.byte();
        const int second = kind == 0xC0 || kind == 0xD0 ? 0 : reader.byte();
        const std::pair<int, int> id{channel, first};
        if (kind == 0x90 && second > 0) {
            open[id].push_back({channel, first, second, tick, tick});
        } else if (kind == 0x80 || kind == 0x90) {
            auto &sounding = open[id];
            if (!sounding.empty()) {
                RawNote note = sounding.front();
                sounding.erase(sounding.begin());
                note.end = tick;
                notes.push_back(note);
            }
        }
    }
}

}

MidiSong readMidiSong(const std::vector<std::uint8_t> &bytes)
{
    Reader header(bytes, 0, bytes.size());
    if (header.bigEndian(4) != 0x4D546864 || header.bigEndian(4) != 6)
        throw std::runtime_error("not a Standard MIDI File");
    header.bigEndian(2);
    const std::uint32_t trackCount = header.bigEndian(2);
    MidiSong song;
    song.ticksPerQuarter = static_cast<int>(header.bigEndian(2));
    std::vector<RawNote> raw;
    std::map<std::uint32_t, std::uint32_t> tempos{{0, 500000}};
    for (std::uint32_t t = 0; t < trackCount; ++t) {
        const std::uint32_t tag = header.bigEndian(4);
        const std::uint32_t length = header.bigEndian(4);
        const std::size_t begin = header.position();
        if (begin + length > bytes.size())
            throw std::runtime_error("chunk runs past the file");
        if (tag == 0x4D54726B) {
            Reader track(bytes, begin, begin + length);
            readTrack(track, raw, tempos, song, bytes);
        }
        header.skip(length);
    }
    auto seconds = [&](std::uint32_t tick) {
        double total = 0;
        for (auto it = tempos.begin(); it != tempos.end() && it->first < tick; ++it) {
            const auto next = std::next(it);
            const std::uint32_t until = next == tempos.end() ? tick : std::min(tick, next->first);
            total += static_cast<double>(until - it->first) * it->second / song.ticksPerQuarter / 1e6;
        }
        return total;
    };
    for (const RawNote &note : raw)
        song.notes.push_back(
            {note.channel, note.key, note.velocity, note.start, note.end, seconds(note.start), seconds(note.end)});
    std::sort(song.notes.begin(), song.notes.end(), [](const MidiNote &a, const MidiNote &b) {
        return std::tie(a.start, a.key, a.channel) < std::tie(b.start, b.key, b.channel);
    });
    for (Marker &marker : song.markers)
        marker.seconds = seconds(marker.tick);
    song.seconds = seconds(song.endTick);
    return song;
}

std::vector<std::uint8_t> readFileBytes(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::set<int> channelList(const std::string &list)
{
    std::set<int> channels;
    std::stringstream stream(list);
    std::string item;
    while (std::getline(stream, item, ','))
        channels.insert(std::stoi(item));
    return channels;
}

}
