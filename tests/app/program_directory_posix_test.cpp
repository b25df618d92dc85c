// On Linux the program's folder comes from the text of /proc/self/exe.
#include "app/program_directory.h"

#include <gtest/gtest.h>

namespace teaser {
namespace {

TEST(ProgramDirectoryTest, isReadFromTheExecutablesPathOrNotAtAll)
{
    using Path = std::filesystem::path;
    EXPECT_EQ(programDirectoryOf("/usr/lib/teaser/teaser"), Path("/usr/lib/teaser"));
    // Replaced by a package upgrade since it started: its folder holds the data still.
    EXPECT_EQ(programDirectoryOf("/usr/lib/teaser/teaser (deleted)"), Path("/usr/lib/teaser"));
    // Started from memory: there is no folder, and the current one is not it.
    EXPECT_EQ(programDirectoryOf("/memfd:teaser (deleted)"), std::nullopt);
    EXPECT_EQ(programDirectoryOf("teaser"), std::nullopt);
    EXPECT_EQ(programDirectoryOf(""), std::nullopt);
    EXPECT_EQ(programDirectoryOf(std::string("/opt/\xFF/teaser")), Path(std::string("/opt/\xFF")));
}

}
}
