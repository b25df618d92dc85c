// Files of every kind for readWholeFile(), in a scratch folder.
#pragma once

#include "core/whole_file.h"
#include "support/scratch_directory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

namespace teaser::testing {

inline constexpr std::size_t wholeFileLimit = std::size_t(1) << 20;

inline std::optional<FileProblem> problemOf(const FileResult &result)
{
    const auto *error = std::get_if<FileError>(&result);
    return error ? std::optional(error->problem) : std::nullopt;
}

class WholeFileTest : public ::testing::Test {
protected:
    std::filesystem::path write(const std::string &name, const std::string &bytes)
    {
        const auto path = directory.path() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    ScratchDirectory directory;
};

}
