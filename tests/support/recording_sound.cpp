#include "support/recording_sound.h"

#include "sound/cue_bytes.h"

namespace teaser::testing {

namespace {

std::string builtInCueName(std::span<const std::uint8_t> bytes)
{
    if (bytes.data() == cue_bytes::reveal().data())
        return "reveal";
    if (bytes.data() == cue_bytes::correct().data())
        return "correct";
    if (bytes.data() == cue_bytes::wrong().data())
        return "wrong";
    if (bytes.data() == cue_bytes::tick().data())
        return "tick";
    return "unknown bytes";
}

}

std::string describe(const SoundSource &source, bool loop)
{
    std::string text;
    if (const auto *path = std::get_if<std::filesystem::path>(&source)) {
        const std::u8string name = path->filename().u8string();
        text = "file " + std::string(name.begin(), name.end());
    } else {
        text = "cue " + builtInCueName(std::get<std::span<const std::uint8_t>>(source));
    }
    return loop ? text + " +loop" : text;
}

void RecordingSound::PlaySound(const SoundSource &source, bool loop)
{
    played.push_back({source, loop});
    log_.add("sound " + describe(source, loop));
}

void RecordingSound::StopSound()
{
    ++stops;
    log_.add("sound stop");
}

}
