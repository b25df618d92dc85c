#pragma once

#include <filesystem>

namespace teaser {

// The folder that holds the running executable, symbolic links resolved:
// the banks, timu.wav and sound/ are installed there. Not
// QCoreApplication::applicationDirPath(): that needs the application object,
// falls back to argv[0], and goes through QString, which cannot hold every
// byte string a folder name may be on Linux.
std::filesystem::path ProgramDirectory();

}
