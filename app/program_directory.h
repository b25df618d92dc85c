#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace teaser {

// The folder that holds the running executable, symbolic links resolved:
// the banks, timu.wav and sound/ are installed there. Nothing when it cannot
// be told; the program then reads nothing rather than whatever lies in the
// folder it was started from. Not QCoreApplication::applicationDirPath():
// that falls back to argv[0], and goes through QString, which cannot hold
// every byte string a folder name may be on Linux.
std::optional<std::filesystem::path> ProgramDirectory();

// The folder from the executable's path as the system names it for a
// running program (/proc/self/exe on Linux): a program file replaced or
// removed since it started (as a package upgrade does) still names its
// folder; a program started from memory (memfd) has none.
std::optional<std::filesystem::path> programDirectoryOf(std::string_view executable);

}
