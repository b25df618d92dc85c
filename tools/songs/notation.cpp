#include "songs/notation.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace songs {

namespace {

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> result;
    std::size_t begin = text.find_first_not_of(' ');
    while (begin != std::string_view::npos) {
        const std::size_t end = text.find(' ', begin);
        result.push_back(text.substr(begin, end - begin));
        begin = text.find_first_not_of(' ', end == std::string_view::npos ? text.size() : end);
    }
    return result;
}

[[noreturn]] void badNotation(std::string_view what, std::string_view text)
{
    throw std::invalid_argument(std::string(what) + ": \"" + std::string(text) + "\"");
}

Tick letterTicks(char letter, std::string_view word)
{
    switch (letter) {
    case 'w':
        return 4 * quarter;
    case 'h':
        return 2 * quarter;
    case 'q':
        return quarter;
    case 'e':
        return eighth;
    case 's':
        return sixteenth;
    case 't':
        return quarter / 3;
    default:
        badNotation("unknown duration", word);
    }
}

Tick parseDuration(std::string_view text)
{
    Tick total = 0;
    Tick lastLetter = 0;
    for (const char c : text) {
        const Tick added = c == '.' ? lastLetter / 2 : letterTicks(c, text);
        if (added == 0)
            badNotation("misplaced dot", text);
        total += added;
        lastLetter = c == '.' ? 0 : added;
    }
    if (total == 0)
        badNotation("missing duration", text);
    return total;
}

struct PitchName {
    int semitone; // from C; flats of C give -1
    std::size_t length;
};

PitchName parsePitchName(std::string_view text)
{
    constexpr std::string_view naturals = "C D EF G A B";
    const std::size_t natural = text.empty() || text[0] == ' ' ? std::string_view::npos : naturals.find(text[0]);
    if (natural == std::string_view::npos)
        badNotation("not a pitch", text);
    const int semitone = static_cast<int>(natural);
    if (text.size() > 1 && text[1] == '#')
        return {semitone + 1, 2};
    if (text.size() > 1 && text[1] == 'b')
        return {semitone - 1, 2};
    return {semitone, 1};
}

MelodyEvent parseMelodyWord(std::string_view word)
{
    if (word[0] == 'r')
        return {std::nullopt, parseDuration(word.substr(1))};
    const PitchName name = parsePitchName(word);
    if (name.length >= word.size() || word[name.length] < '0' || word[name.length] > '9')
        badNotation("missing octave", word);
    const int octave = word[name.length] - '0';
    return {(octave + 1) * 12 + name.semitone, parseDuration(word.substr(name.length + 1))};
}

std::vector<int> qualityIntervals(std::string_view quality)
{
    static const std::vector<std::pair<std::string_view, std::vector<int>>> qualities = {
        {"", {0, 4, 7}},         {"m", {0, 3, 7}},      {"7", {0, 4, 7, 10}},
        {"maj7", {0, 4, 7, 11}}, {"m7", {0, 3, 7, 10}}, {"6", {0, 4, 7, 9}},
    };
    for (const auto &[name, intervals] : qualities)
        if (name == quality)
            return intervals;
    badNotation("unknown chord quality", quality);
}

Chord parseChordSymbol(std::string_view symbol)
{
    const PitchName root = parsePitchName(symbol);
    const std::string_view rest = symbol.substr(root.length);
    const std::size_t slash = rest.find('/');
    int bass = root.semitone;
    if (slash != std::string_view::npos) {
        const std::string_view bassName = rest.substr(slash + 1);
        const PitchName parsed = parsePitchName(bassName);
        if (parsed.length != bassName.size())
            badNotation("bad slash bass", symbol);
        bass = parsed.semitone;
    }
    return {root.semitone, bass, qualityIntervals(rest.substr(0, slash))};
}

}

std::vector<MelodyEvent> parseMelody(std::string_view text, Tick bar)
{
    std::vector<MelodyEvent> events;
    Tick elapsed = 0;
    for (const std::string_view word : words(text)) {
        if (word == "|") {
            if (elapsed % bar != 0)
                badNotation("bar line inside a bar", text);
            continue;
        }
        events.push_back(parseMelodyWord(word));
        elapsed += events.back().length;
    }
    return events;
}

std::vector<ChordSpan> parseChords(std::string_view text, Tick bar)
{
    std::vector<ChordSpan> spans;
    Tick elapsed = 0;
    for (const std::string_view word : words(text)) {
        const std::size_t colon = word.find(':');
        const Tick length = colon == std::string_view::npos ? bar : parseDuration(word.substr(colon + 1));
        spans.push_back({elapsed, length, parseChordSymbol(word.substr(0, colon))});
        elapsed += length;
    }
    return spans;
}

}
