// Reading a whole file into memory, safely whatever lies at the path. The
// name is looked up once: the file is opened without waiting (a FIFO or a
// device never blocks the caller), checked on the open descriptor to be a
// regular file, and read from that descriptor to its end, never past the
// limit. A relative path is never read: the program reads only from its own
// folder and from fixed places, not from wherever it was started.
#pragma once

#include "core/byte_buffer.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <variant>

namespace teaser {

enum class FileProblem {
    missing,  // no such file, or a relative path
    linkLoop, // symbolic links that lead round in a circle
    permissionDenied,
    notAFile, // a folder, a FIFO, a device, a socket
    unreadable,
    tooLarge,
    outOfMemory,
};

struct FileError {
    FileProblem problem = FileProblem::missing;
    std::uint64_t size = 0; // tooLarge: at least this many bytes
};

using FileResult = std::variant<ByteBuffer, FileError>;

FileResult readWholeFile(const std::filesystem::path &path, std::size_t limit);

}
