// A POSIX file name is bytes, which need not be UTF-8.
#include "core/path_text.h"

#include <gtest/gtest.h>

namespace teaser {
namespace {

TEST(PathTextTest, anyBytesInAFolderNameShowWithoutFailing)
{
    // A folder name that is not UTF-8, such as 0xFF, once ended the program
    // while its warning was being written.
    const std::filesystem::path path(std::string("/tmp/bad\xFF"
                                                 "folder/date.dat"));
    EXPECT_EQ(pathForDisplay(path), QStringLiteral("/tmp/bad\uFFFDfolder/date.dat"));
}

}
}
