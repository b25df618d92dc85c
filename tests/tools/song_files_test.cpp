// Checks the committed background songs in data/sound/ byte by byte: they
// must be well-formed Standard MIDI Files that loop cleanly in any player,
// and their notes must keep the tune on top and end where a song can end.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <numeric>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::array<std::string, 7> songFiles = {
    "情非得以.mid", "灌篮高手.mid", "很爱很爱你.mid", "记事本.mid", "爱一个人.mid", "天若有情.mid", "三角志.mid",
};

constexpr int percussionChannel = 9;

Bytes readSong(const std::string &fileName)
{
    const std::string path = std::string(TEASER_SOURCE_DIR) + "/data/sound/" + fileName;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class Cursor {
public:
    Cursor(const Bytes &bytes, std::size_t begin, std::size_t end)
        : bytes_(bytes)
        , at_(begin)
        , end_(end)
    {
    }

    bool done() const { return at_ == end_; }
    std::size_t position() const { return at_; }

    std::uint8_t byte()
    {
        if (at_ >= end_)
            throw std::runtime_error("read past the end of a chunk");
        return bytes_[at_++];
    }

    std::uint8_t peek() const
    {
        if (at_ >= end_)
            throw std::runtime_error("read past the end of a chunk");
        return bytes_[at_];
    }

    std::uint32_t bigEndian(int count)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = (value << 8) | byte();
        return value;
    }

    std::uint32_t variableLength()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = byte();
            value = (value << 7) | (b & 0x7F);
            if ((b & 0x80) == 0)
                return value;
        }
        throw std::runtime_error("variable-length quantity longer than four bytes");
    }

    std::string tag()
    {
        std::string text;
        for (int i = 0; i < 4; ++i)
            text += static_cast<char>(byte());
        return text;
    }

    Bytes take(std::uint32_t count)
    {
        Bytes out;
        for (std::uint32_t i = 0; i < count; ++i)
            out.push_back(byte());
        return out;
    }

private:
    const Bytes &bytes_;
    std::size_t at_;
    std::size_t end_;
};

struct Event {
    std::uint32_t tick;
    std::uint8_t status; // 0xFF for meta events
    std::uint8_t metaType;
    Bytes data;

    int kind() const { return status & 0xF0; }
    int channel() const { return status & 0x0F; }
    bool isMeta(std::uint8_t type) const { return status == 0xFF && metaType == type; }
    bool isNoteOn() const { return kind() == 0x90 && status != 0xFF && data[1] > 0; }
    bool isNoteOff() const { return status != 0xFF && (kind() == 0x80 || (kind() == 0x90 && data[1] == 0)); }
};

struct Track {
    std::vector<Event> events;
};

struct MidiFile {
    int format = -1;
    int declaredTracks = 0;
    int division = 0;
    std::vector<Track> tracks;
    std::vector<std::string> chunkTags;
};

int channelDataLength(std::uint8_t status)
{
    const int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

Event readEvent(Cursor &cursor, std::uint32_t tick, std::uint8_t &runningStatus)
{
    std::uint8_t status = cursor.peek();
    if (status & 0x80) {
        cursor.byte();
    } else {
        if (runningStatus == 0)
            throw std::runtime_error("running status without a previous status");
        status = runningStatus;
    }
    if (status == 0xFF) {
        const std::uint8_t type = cursor.byte();
        return {tick, status, type, cursor.take(cursor.variableLength())};
    }
    if (status == 0xF0 || status == 0xF7)
        return {tick, status, 0, cursor.take(cursor.variableLength())};
    if (status >= 0xF0)
        throw std::runtime_error("system message inside a file");
    runningStatus = status;
    return {tick, status, 0, cursor.take(static_cast<std::uint32_t>(channelDataLength(status)))};
}

// Reads one MTrk body; it must end exactly with the end-of-track event.
Track readTrack(const Bytes &bytes, std::size_t begin, std::size_t end)
{
    Cursor cursor(bytes, begin, end);
    Track track;
    std::uint32_t tick = 0;
    std::uint8_t runningStatus = 0;
    while (!cursor.done()) {
        if (!track.events.empty() && track.events.back().isMeta(0x2F))
            throw std::runtime_error("events after end-of-track");
        tick += cursor.variableLength();
        track.events.push_back(readEvent(cursor, tick, runningStatus));
    }
    if (track.events.empty() || !track.events.back().isMeta(0x2F) || !track.events.back().data.empty())
        throw std::runtime_error("track does not end with an end-of-track event");
    return track;
}

MidiFile parseMidi(const Bytes &bytes)
{
    Cursor cursor(bytes, 0, bytes.size());
    MidiFile file;
    if (cursor.tag() != "MThd")
        throw std::runtime_error("missing MThd");
    if (cursor.bigEndian(4) != 6)
        throw std::runtime_error("MThd length is not 6");
    file.format = static_cast<int>(cursor.bigEndian(2));
    file.declaredTracks = static_cast<int>(cursor.bigEndian(2));
    file.division = static_cast<int>(cursor.bigEndian(2));
    while (!cursor.done()) {
        file.chunkTags.push_back(cursor.tag());
        const std::uint32_t length = cursor.bigEndian(4);
        const std::size_t begin = cursor.position();
        if (begin + length > bytes.size())
            throw std::runtime_error("chunk length runs past the file");
        if (file.chunkTags.back() == "MTrk")
            file.tracks.push_back(readTrack(bytes, begin, begin + length));
        cursor.take(length);
    }
    return file;
}

std::uint32_t endTick(const Track &track)
{
    return track.events.back().tick;
}

double durationSeconds(const MidiFile &file)
{
    std::map<std::uint32_t, std::uint32_t> tempoAt{{0, 500000}}; // the default tempo until one is set
    std::uint32_t end = 0;
    for (const Track &track : file.tracks) {
        end = std::max(end, endTick(track));
        for (const Event &event : track.events)
            if (event.isMeta(0x51))
                tempoAt[event.tick] = (static_cast<std::uint32_t>(event.data.at(0)) << 16)
                                      | (static_cast<std::uint32_t>(event.data.at(1)) << 8) | event.data.at(2);
    }
    double microseconds = 0;
    for (auto it = tempoAt.begin(); it != tempoAt.end() && it->first < end; ++it) {
        const auto next = std::next(it);
        const std::uint32_t until = next == tempoAt.end() ? end : std::min(end, next->first);
        microseconds += static_cast<double>(until - it->first) * it->second / file.division;
    }
    return microseconds / 1e6;
}

class SongFile : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        bytes_ = readSong(GetParam());
        ASSERT_NO_THROW(midi_ = parseMidi(bytes_)) << GetParam();
    }

    std::set<int> channelsWithNotes() const
    {
        std::set<int> channels;
        for (const Track &track : midi_.tracks)
            for (const Event &event : track.events)
                if (event.isNoteOn())
                    channels.insert(event.channel());
        return channels;
    }

    Bytes bytes_;
    MidiFile midi_;
};

TEST_P(SongFile, HeaderDescribesAFormatOneFileWithItsTracks)
{
    EXPECT_EQ(midi_.format, 1);
    EXPECT_EQ(static_cast<std::size_t>(midi_.declaredTracks), midi_.chunkTags.size());
    EXPECT_EQ(midi_.tracks.size(), midi_.chunkTags.size()) << "every chunk is an MTrk";
    EXPECT_GE(midi_.tracks.size(), 5u) << "conductor, melody, chords, bass and percussion";
    EXPECT_GT(midi_.division, 0);
    EXPECT_EQ(midi_.division & 0x8000, 0) << "ticks per quarter, not SMPTE time";
}

TEST_P(SongFile, FirstTrackSetsTempoAndMeterBeforeAnyMusic)
{
    const Track &conductor = midi_.tracks.front();
    auto metaAtStart = [&](std::uint8_t type, std::size_t length) {
        return std::any_of(conductor.events.begin(), conductor.events.end(), [&](const Event &event) {
            return event.isMeta(type) && event.tick == 0 && event.data.size() == length;
        });
    };
    EXPECT_TRUE(metaAtStart(0x51, 3)) << "tempo";
    EXPECT_TRUE(metaAtStart(0x58, 4)) << "time signature";
}

TEST_P(SongFile, EveryInstrumentTrackStartsWithAProgramChange)
{
    for (std::size_t t = 0; t < midi_.tracks.size(); ++t) {
        const auto &events = midi_.tracks[t].events;
        const auto firstNote = std::find_if(events.begin(), events.end(), [](const Event &e) { return e.isNoteOn(); });
        if (firstNote == events.end())
            continue;
        const bool programFirst = std::any_of(events.begin(), firstNote, [&](const Event &e) {
            return e.kind() == 0xC0 && e.status != 0xFF && e.channel() == firstNote->channel() && e.tick == 0;
        });
        EXPECT_TRUE(programFirst) << "track " << t;
    }
}

TEST_P(SongFile, EveryNoteOnIsReleasedBeforeTheTrackEnds)
{
    for (std::size_t t = 0; t < midi_.tracks.size(); ++t) {
        std::map<std::pair<int, int>, int> sounding; // (channel, key) -> open note-ons
        int strayOffs = 0;
        int retriggers = 0;
        for (const Event &event : midi_.tracks[t].events) {
            if (!event.isNoteOn() && !event.isNoteOff())
                continue;
            const std::pair<int, int> key{event.channel(), event.data.at(0)};
            if (event.isNoteOn())
                retriggers += sounding[key]++ > 0 ? 1 : 0;
            if (event.isNoteOff())
                strayOffs += sounding[key]-- > 0 ? 0 : 1;
        }
        const int hanging = static_cast<int>(
            std::count_if(sounding.begin(), sounding.end(), [](const auto &entry) { return entry.second > 0; }));
        EXPECT_EQ(hanging, 0) << "track " << t << " leaves notes sounding";
        EXPECT_EQ(strayOffs, 0) << "track " << t << " releases notes that are not on";
        EXPECT_EQ(retriggers, 0) << "track " << t << " strikes a key that is already sounding";
    }
}

TEST_P(SongFile, PlaysMelodyAccompanimentAndPercussion)
{
    const std::set<int> channels = channelsWithNotes();
    EXPECT_TRUE(channels.count(percussionChannel)) << "percussion channel";
    EXPECT_GE(channels.size(), 4u) << "melody, chords, bass and percussion";
}

TEST_P(SongFile, LastsBetweenOneAndTwoMinutes)
{
    const double seconds = durationSeconds(midi_);
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 120.0);
}

INSTANTIATE_TEST_SUITE_P(CommittedSongs, SongFile, ::testing::ValuesIn(songFiles),
                         [](const ::testing::TestParamInfo<std::string> &param) {
                             return "song" + std::to_string(param.index);
                         });

// ---------------------------------------------------------------- note data
// Channel 0 plays the lead, 1 a second lead, 2 to 8 the backing, 9 drums.

struct SongNote {
    int channel;
    int key;
    std::uint32_t start;
    std::uint32_t end;
};

bool isLead(int channel)
{
    return channel == 0 || channel == 1;
}

bool isBacking(int channel)
{
    return channel >= 2 && channel != percussionChannel;
}

std::vector<SongNote> notesOf(const MidiFile &file)
{
    std::vector<SongNote> notes;
    for (const Track &track : file.tracks) {
        std::map<std::pair<int, int>, std::uint32_t> sounding;
        for (const Event &event : track.events) {
            const std::pair<int, int> id{event.channel(), event.status == 0xFF ? -1 : event.data.at(0)};
            if (event.isNoteOn())
                sounding[id] = event.tick;
            else if (event.isNoteOff() && sounding.count(id)) {
                notes.push_back({id.first, id.second, sounding[id], event.tick});
                sounding.erase(id);
            }
        }
    }
    std::sort(notes.begin(), notes.end(),
              [](const SongNote &a, const SongNote &b) { return std::tie(a.start, a.key) < std::tie(b.start, b.key); });
    return notes;
}

struct Key {
    int tonic; // pitch class
    bool minor;
};

Key keyOf(const MidiFile &file)
{
    for (const Event &event : file.tracks.front().events)
        if (event.isMeta(0x59)) {
            const int sharps = static_cast<std::int8_t>(event.data.at(0));
            const bool minor = event.data.at(1) != 0;
            const int major = (sharps * 7 % 12 + 12) % 12;
            return {minor ? (major + 9) % 12 : major, minor};
        }
    throw std::runtime_error("no key signature");
}

std::uint32_t barTicksOf(const MidiFile &file)
{
    for (const Event &event : file.tracks.front().events)
        if (event.isMeta(0x58))
            return static_cast<std::uint32_t>(event.data.at(0) * file.division * 4 >> event.data.at(1));
    throw std::runtime_error("no time signature");
}

// Where each marked section starts, and the song's end as the last boundary.
std::vector<std::uint32_t> sectionBoundaries(const MidiFile &file)
{
    std::vector<std::uint32_t> boundaries;
    for (const Event &event : file.tracks.front().events)
        if (event.isMeta(0x06))
            boundaries.push_back(event.tick);
    std::uint32_t end = 0;
    for (const Track &track : file.tracks)
        end = std::max(end, endTick(track));
    boundaries.push_back(end);
    return boundaries;
}

struct Harmony {
    int bass = 128; // lowest backing key
    std::set<int> pitchClasses;
};

// The backing sounding in [from, to).
Harmony harmonyBetween(const std::vector<SongNote> &notes, std::uint32_t from, std::uint32_t to)
{
    Harmony harmony;
    for (const SongNote &note : notes)
        if (isBacking(note.channel) && note.start < to && note.end > from) {
            harmony.bass = std::min(harmony.bass, note.key);
            harmony.pitchClasses.insert(note.key % 12);
        }
    return harmony;
}

bool hasTriadOnBass(const Harmony &harmony)
{
    const int root = harmony.bass % 12;
    const bool third = harmony.pitchClasses.count((root + 3) % 12) || harmony.pitchClasses.count((root + 4) % 12);
    return third && harmony.pitchClasses.count((root + 7) % 12);
}

class SongNotes : public SongFile {
protected:
    void SetUp() override
    {
        SongFile::SetUp();
        notes_ = notesOf(midi_);
    }

    std::vector<SongNote> notes_;
};

// A song that ends on an inversion or a passing chord does not sound ended,
// and it loops from there.
TEST_P(SongNotes, LastChordIsTheTonicInRootPosition)
{
    const std::vector<std::uint32_t> boundaries = sectionBoundaries(midi_);
    const std::uint32_t end = boundaries.back();
    const Harmony last = harmonyBetween(notes_, end - barTicksOf(midi_), end);
    const Key key = keyOf(midi_);
    ASSERT_LT(last.bass, 128) << "no backing in the last bar";
    EXPECT_EQ(last.bass % 12, key.tonic) << "bass of the last chord";
    EXPECT_TRUE(last.pitchClasses.count(key.tonic));
    EXPECT_TRUE(last.pitchClasses.count((key.tonic + (key.minor ? 3 : 4)) % 12)) << "the tonic's third";
    EXPECT_TRUE(last.pitchClasses.count((key.tonic + 7) % 12)) << "the tonic's fifth";
}

// The backing channel that plays lowest on average carries the bass.
int bassChannel(const std::vector<SongNote> &notes)
{
    std::map<int, std::pair<double, int>> sums;
    for (const SongNote &note : notes)
        if (isBacking(note.channel)) {
            sums[note.channel].first += note.key;
            ++sums[note.channel].second;
        }
    int lowest = -1;
    double lowestMean = 128;
    for (const auto &[channel, sum] : sums)
        if (sum.first / sum.second < lowestMean) {
            lowestMean = sum.first / sum.second;
            lowest = channel;
        }
    return lowest;
}

// Each section closes on a cadence: its last chord, from the bass's last
// note to the section's end, is the tonic or the dominant over its root.
TEST_P(SongNotes, EverySectionEndsOnTheTonicOrTheDominant)
{
    const std::vector<std::uint32_t> boundaries = sectionBoundaries(midi_);
    ASSERT_GE(boundaries.size(), 4u) << "sections are marked";
    const Key key = keyOf(midi_);
    const int bass = bassChannel(notes_);
    for (std::size_t i = 1; i < boundaries.size(); ++i) {
        const SongNote *last = nullptr;
        for (const SongNote &note : notes_)
            if (note.channel == bass && note.start < boundaries[i])
                last = &note;
        ASSERT_NE(last, nullptr);
        Harmony close = harmonyBetween(notes_, last->start, boundaries[i]);
        close.bass = last->key;
        const int degree = (close.bass % 12 - key.tonic + 12) % 12;
        EXPECT_TRUE(degree == 0 || degree == 7) << "section " << i << " ends on degree " << degree;
        EXPECT_TRUE(hasTriadOnBass(close))
            << "section " << i << " ends without a chord over its bass at tick " << last->start;
    }
}

// The tune has to stay on top: no backing note may sound at or above the
// melody note it plays under.
TEST_P(SongNotes, BackingStaysUnderTheMelody)
{
    int leadNotes = 0;
    for (const SongNote &melody : notes_) {
        if (!isLead(melody.channel))
            continue;
        ++leadNotes;
        for (const SongNote &other : notes_) {
            if (isBacking(other.channel) && other.start < melody.end && other.end > melody.start) {
                ASSERT_LT(other.key, melody.key) << "channel " << other.channel << " at tick " << other.start;
            }
        }
    }
    EXPECT_GT(leadNotes, 50);
}

// The bass is the lowest backing voice; it moves by step or small leap.
TEST_P(SongNotes, BassMovesWithinAnOctave)
{
    std::map<int, std::vector<int>> keys;
    for (const SongNote &note : notes_)
        if (isBacking(note.channel))
            keys[note.channel].push_back(note.key);
    ASSERT_FALSE(keys.empty());
    auto mean = [](const std::vector<int> &list) {
        return std::accumulate(list.begin(), list.end(), 0.0) / static_cast<double>(list.size());
    };
    const auto bass = std::min_element(keys.begin(), keys.end(),
                                       [&](const auto &a, const auto &b) { return mean(a.second) < mean(b.second); });
    const std::vector<int> &line = bass->second;
    for (std::size_t i = 1; i < line.size(); ++i)
        ASSERT_LE(std::abs(line[i] - line[i - 1]), 12) << "bass note " << i;
}

// The same melody three sections running is a stuck record.
TEST_P(SongNotes, NoPhraseComesThreeTimesInARow)
{
    const std::vector<std::uint32_t> boundaries = sectionBoundaries(midi_);
    std::vector<std::vector<std::tuple<std::uint32_t, int, std::uint32_t>>> phrases;
    for (std::size_t i = 0; i + 1 < boundaries.size(); ++i) {
        phrases.emplace_back();
        for (const SongNote &note : notes_)
            if (isLead(note.channel) && note.start >= boundaries[i] && note.start < boundaries[i + 1])
                phrases.back().emplace_back(note.start - boundaries[i], note.key, note.end - note.start);
    }
    for (std::size_t i = 2; i < phrases.size(); ++i)
        EXPECT_FALSE(!phrases[i].empty() && phrases[i] == phrases[i - 1] && phrases[i] == phrases[i - 2])
            << "sections " << i - 2 << " to " << i;
}

// Intro, verse, chorus, bridge and ending each have their own backing
// rhythm: two sections in different roles never strike the same backing
// channels on the same steps of the bar.
TEST_P(SongNotes, EachRoleHasItsOwnBackingRhythm)
{
    std::vector<std::pair<std::string, std::uint32_t>> markers;
    for (const Event &event : midi_.tracks.front().events)
        if (event.isMeta(0x06))
            markers.emplace_back(std::string(event.data.begin(), event.data.end()), event.tick);
    const std::vector<std::uint32_t> boundaries = sectionBoundaries(midi_);
    ASSERT_GE(markers.size(), 4u) << "sections are marked";
    const std::uint32_t bar = barTicksOf(midi_);
    std::vector<std::pair<std::string, std::set<std::pair<int, std::uint32_t>>>> rhythms;
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const std::string role = markers[i].first.substr(0, markers[i].first.find(' '));
        std::set<std::pair<int, std::uint32_t>> onsets;
        for (const SongNote &note : notes_)
            if (isBacking(note.channel) && note.start >= boundaries[i] && note.start < boundaries[i + 1])
                onsets.emplace(note.channel, (note.start - boundaries[i]) % bar);
        rhythms.emplace_back(role, onsets);
    }
    std::set<std::string> roles;
    for (std::size_t i = 0; i < rhythms.size(); ++i) {
        roles.insert(rhythms[i].first);
        for (std::size_t j = i + 1; j < rhythms.size(); ++j)
            if (rhythms[i].first != rhythms[j].first) {
                EXPECT_NE(rhythms[i].second, rhythms[j].second) << markers[i].first << " and " << markers[j].first;
            }
    }
    EXPECT_GE(roles.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(CommittedSongs, SongNotes, ::testing::ValuesIn(songFiles),
                         [](const ::testing::TestParamInfo<std::string> &param) {
                             return "song" + std::to_string(param.index);
                         });

TEST(SongFiles, AllSevenSongsDiffer)
{
    std::set<Bytes> distinct;
    for (const std::string &name : songFiles)
        distinct.insert(readSong(name));
    EXPECT_EQ(distinct.size(), songFiles.size());
}

} // namespace
