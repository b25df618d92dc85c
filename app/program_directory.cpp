#include "app/program_directory.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace teaser {

std::filesystem::path ProgramDirectory()
{
#ifdef _WIN32
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return std::filesystem::path(path).parent_path();
#else
    std::error_code error;
    return std::filesystem::canonical("/proc/self/exe", error).parent_path();
#endif
}

}
