#pragma once

#include <filesystem>

namespace teaser {

// The folder that holds the running executable, symbolic links resolved:
// the banks, timu.wav and sound/ are installed there.
std::filesystem::path ProgramDirectory();

}
