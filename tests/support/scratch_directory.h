// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <QTemporaryDir>
#include <filesystem>

namespace teaser::testing {

class ScratchDirectory {
public:
    ScratchDirectory();

    const std::filesystem::path &path() const { return path_; }

private:
    QTemporaryDir directory_;
    std::filesystem::path path_;
};

}
