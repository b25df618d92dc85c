// Makes the playback service over SDL2_mixer.
#pragma once

#include "sound/mixer/closable_playback.h"

#include <filesystem>
#include <memory>

namespace teaser {

// From the mixer module in the program folder where the build made one
// (Linux), else as linked into the program. Nullptr, with one warning, when
// the module cannot be loaded: the quiz then goes on silently.
std::unique_ptr<ClosablePlayback> loadMixerPlayback(const std::filesystem::path &programDirectory);

}
