#include "sound/cue_bytes.h"

#include <QResource>

namespace teaser::cue_bytes {

namespace {

// The cues are compiled in uncompressed, so a resource's bytes are the WAVE
// file itself, in the program's read-only data for as long as it runs.
std::span<const std::uint8_t> compiledIn(const QString &path)
{
    const QResource cue(path);
    Q_ASSERT(cue.isValid() && cue.compressionAlgorithm() == QResource::NoCompression);
    return {cue.data(), std::size_t(cue.size())};
}

}

std::span<const std::uint8_t> reveal()
{
    return compiledIn(QStringLiteral(":/sound/cues/reveal.wav"));
}

std::span<const std::uint8_t> correct()
{
    return compiledIn(QStringLiteral(":/sound/cues/correct.wav"));
}

std::span<const std::uint8_t> wrong()
{
    return compiledIn(QStringLiteral(":/sound/cues/wrong.wav"));
}

std::span<const std::uint8_t> tick()
{
    return compiledIn(QStringLiteral(":/sound/cues/tick.wav"));
}

}
