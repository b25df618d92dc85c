#include "app/program_directory.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace teaser {

std::optional<std::filesystem::path> programDirectoryOf(std::string_view executable)
{
    constexpr std::string_view removed = " (deleted)";
    if (executable.ends_with(removed))
        executable.remove_suffix(removed.size());
    if (executable.starts_with("/memfd:"))
        return std::nullopt;
    const std::filesystem::path path(executable);
    if (!path.is_absolute() || !path.has_parent_path())
        return std::nullopt;
    return path.parent_path();
}

std::optional<std::filesystem::path> ProgramDirectory()
{
#ifdef _WIN32
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return std::nullopt;
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return std::filesystem::path(path).parent_path();
#else
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::nullopt;
    return programDirectoryOf(executable.native());
#endif
}

}
