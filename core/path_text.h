// Paths as a person reads them, in messages and logs.
#pragma once

#include <QString>
#include <filesystem>

namespace teaser {

// Never fails, whatever bytes a folder name holds: bytes that are not UTF-8
// show as U+FFFD.
QString pathForDisplay(const std::filesystem::path &path);

// At most `maxCharacters`, cut in the middle with "…", so that a long path
// keeps its beginning and its file name.
QString shortenedInTheMiddle(const QString &text, qsizetype maxCharacters);

}
