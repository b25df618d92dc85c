#include "sound/mixer/midi_check.h"

#include <algorithm>
#include <string_view>

namespace teaser {

namespace {

constexpr std::size_t mostTracks = 64;

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes)
        : bytes_(bytes)
    {
    }

    bool atEnd() const { return at_ == bytes_.size(); }
    bool has(std::size_t count) const { return bytes_.size() - at_ >= count; }
    std::uint8_t peek() const { return bytes_[at_]; }
    std::uint8_t byte() { return bytes_[at_++]; }
    std::uint32_t bigEndian(int count)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = value << 8 | byte();
        return value;
    }
    std::string_view text(std::size_t count)
    {
        const auto *start = reinterpret_cast<const char *>(bytes_.data() + at_);
        at_ += count;
        return {start, count};
    }
    // A variable-length quantity: at most four bytes, seven bits each.
    std::optional<std::uint32_t> quantity()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4 && has(1); ++i) {
            const std::uint8_t next = byte();
            value = value << 7 | (next & 0x7F);
            if (!(next & 0x80))
                return value;
        }
        return std::nullopt;
    }
    Reader part(std::size_t count)
    {
        const Reader inner(bytes_.subspan(at_, count));
        at_ += count;
        return inner;
    }
    void skip(std::size_t count) { at_ += count; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

struct Track {
    std::uint64_t ticks = 0;
    bool sounds = false;
};

// Data bytes after a channel message's status byte.
std::size_t dataBytes(std::uint8_t status)
{
    const int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

std::optional<std::string> readTrack(Reader track, Track &read)
{
    std::uint8_t running = 0;
    bool ended = false;
    while (!track.atEnd()) {
        if (ended)
            return "events after a track's End of Track";
        const auto delta = track.quantity();
        if (!delta || !track.has(1))
            return "a track is cut short";
        read.ticks += *delta;
        std::uint8_t status = track.peek();
        if (status & 0x80)
            track.byte();
        else if (running == 0)
            return "data bytes with no status before them";
        else
            status = running;

        if (status == 0xFF) {
            if (!track.has(1))
                return "a track is cut short";
            const std::uint8_t type = track.byte();
            const auto length = track.quantity();
            if (!length || !track.has(*length))
                return "a track is cut short";
            track.skip(*length);
            ended = type == 0x2F;
        } else if (status == 0xF0 || status == 0xF7) {
            const auto length = track.quantity();
            if (!length || !track.has(*length))
                return "a track is cut short";
            track.skip(*length);
            running = 0;
        } else if (status > 0xF0) {
            return "a system message that has no place in a file";
        } else {
            const std::size_t count = dataBytes(status);
            if (!track.has(count))
                return "a track is cut short";
            std::uint8_t data[2] = {};
            for (std::size_t i = 0; i < count; ++i) {
                data[i] = track.byte();
                if (data[i] & 0x80)
                    return "a status byte where data should be";
            }
            if ((status & 0xF0) == 0x90 && data[1] > 0)
                read.sounds = true;
            running = status;
        }
    }
    if (!ended)
        return "a track without End of Track";
    return std::nullopt;
}

}

std::optional<std::string> midiFileProblem(std::span<const std::uint8_t> bytes)
{
    Reader file(bytes);
    if (!file.has(14) || file.text(4) != "MThd")
        return "not a MIDI file";
    if (file.bigEndian(4) != 6)
        return "a header of the wrong length";
    const std::uint32_t format = file.bigEndian(2);
    const std::uint32_t tracks = file.bigEndian(2);
    const std::uint32_t division = file.bigEndian(2);
    if (format > 1)
        return "format " + std::to_string(format) + ", not a song of one piece";
    if (tracks == 0 || tracks > mostTracks || (format == 0 && tracks != 1))
        return std::to_string(tracks) + " tracks";
    if (division & 0x8000)
        return "timed in SMPTE frames";
    if (division == 0)
        return "no ticks to a quarter note";

    std::uint64_t longest = 0;
    bool sounds = false;
    for (std::uint32_t found = 0; found < tracks;) {
        if (!file.has(8))
            return "fewer tracks than its header says";
        const std::string_view kind = file.text(4);
        const std::uint32_t length = file.bigEndian(4);
        if (!file.has(length))
            return "a chunk runs past the end of the file";
        Reader chunk = file.part(length);
        if (kind != "MTrk")
            continue; // a chunk of another kind: readers skip it
        Track track;
        if (auto problem = readTrack(chunk, track))
            return problem;
        longest = std::max(longest, track.ticks);
        sounds = sounds || track.sounds;
        ++found;
    }
    if (!sounds)
        return "no note that sounds";
    if (longest < division)
        return "shorter than a quarter note";
    return std::nullopt;
}

}
