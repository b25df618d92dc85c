#include "core/whole_file.h"

#include <algorithm>
#include <array>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace teaser {

namespace {

// Where a file says nothing of its size (as the files under /proc do), it is
// read in blocks that start at this size.
constexpr std::size_t firstBlock = std::size_t(64) << 10;

#ifdef _WIN32
using Handle = HANDLE;

FileProblem problemOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
        return FileProblem::missing;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return FileProblem::permissionDenied;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return FileProblem::outOfMemory;
    default:
        return FileProblem::unreadable;
    }
}

// GCC's std::filesystem takes \\server\share\... and \\?\C:\... for
// relative paths; for Windows they are as absolute as C:\..., and a program
// started from a network share has its folder there.
bool isAbsolute(const std::filesystem::path &path)
{
    const std::wstring &text = path.native();
    const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
    return (text.size() > 2 && separator(text[0]) && separator(text[1])) || path.is_absolute();
}

// Reads at most `room` bytes; -1 on an error.
long long readSome(Handle file, char *into, std::size_t room)
{
    DWORD read = 0;
    const DWORD asked = DWORD(std::min<std::size_t>(room, 1u << 30));
    return ReadFile(file, into, asked, &read, nullptr) ? (long long)read : -1;
}
#else
using Handle = int;

FileProblem problemOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
        return FileProblem::missing;
    case ELOOP:
        return FileProblem::linkLoop;
    case EACCES:
    case EPERM:
        return FileProblem::permissionDenied;
    case ENXIO:
    case ENODEV:
    case EISDIR:
        return FileProblem::notAFile;
    case ENOMEM:
        return FileProblem::outOfMemory;
    default:
        return FileProblem::unreadable;
    }
}

bool isAbsolute(const std::filesystem::path &path)
{
    return path.is_absolute();
}

long long readSome(Handle file, char *into, std::size_t room)
{
    for (;;) {
        const ssize_t read = ::read(file, into, room);
        if (read >= 0 || errno != EINTR)
            return read;
    }
}
#endif

// Reads the open file to its end. The size it announced is where reading
// starts, not where it stops: a file may have grown, and some say 0.
FileResult readToEnd(Handle file, std::uint64_t announced, std::size_t limit)
{
    auto buffer = ByteBuffer::allocate(announced > 0 ? std::size_t(announced) : std::min(firstBlock, limit));
    if (!buffer)
        return FileError{FileProblem::outOfMemory};
    std::size_t filled = 0;
    for (;;) {
        if (filled == buffer->size()) {
            // Full: a small read tells whether anything follows before the
            // buffer grows for it.
            std::array<char, 4096> probe;
            const long long read = readSome(file, probe.data(), probe.size());
            if (read < 0)
                return FileError{FileProblem::unreadable};
            if (read == 0)
                return std::move(*buffer);
            if (filled + std::size_t(read) > limit)
                return FileError{FileProblem::tooLarge, filled + std::uint64_t(read)};
            if (!buffer->resize(std::min(limit, std::max(2 * filled, filled + std::size_t(read)))))
                return FileError{FileProblem::outOfMemory};
            std::copy_n(probe.data(), read, buffer->data() + filled);
            filled += std::size_t(read);
            continue;
        }
        const long long read = readSome(file, buffer->data() + filled, buffer->size() - filled);
        if (read < 0)
            return FileError{FileProblem::unreadable};
        if (read == 0)
            break;
        filled += std::size_t(read);
    }
    // The file shrank since it was measured: it is what it held when read.
    if (!buffer->resize(filled))
        return FileError{FileProblem::outOfMemory};
    return std::move(*buffer);
}

}

FileResult readWholeFile(const std::filesystem::path &path, std::size_t limit)
{
    if (!isAbsolute(path))
        return FileError{FileProblem::missing};
#ifdef _WIN32
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // Opening a folder is refused as access denied; say what it is.
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES
            && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return FileError{FileProblem::notAFile};
        return FileError{problemOf(error)};
    }
    struct Closer {
        HANDLE file;
        ~Closer() { CloseHandle(file); }
    } closer{file};
    if (GetFileType(file) != FILE_TYPE_DISK)
        return FileError{FileProblem::notAFile};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size))
        return FileError{problemOf(GetLastError())};
    const auto announced = std::uint64_t(size.QuadPart);
#else
    const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file < 0)
        return FileError{problemOf(errno)};
    struct Closer {
        int file;
        ~Closer() { ::close(file); }
    } closer{file};
    struct stat status { };
    if (::fstat(file, &status) != 0)
        return FileError{problemOf(errno)};
    if (!S_ISREG(status.st_mode))
        return FileError{FileProblem::notAFile};
    const auto announced = std::uint64_t(status.st_size);
#endif
    if (announced > limit)
        return FileError{FileProblem::tooLarge, announced};
    return readToEnd(file, announced, limit);
}

}
