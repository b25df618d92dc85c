#include "app/program_directory.h"

#include <gtest/gtest.h>

namespace teaser {
namespace {

TEST(ProgramDirectoryTest, isTheFolderOfTheRunningProgram)
{
    const auto folder = ProgramDirectory();
    ASSERT_TRUE(folder);
    EXPECT_TRUE(std::filesystem::exists(*folder / TEASER_TEST_EXECUTABLE));
}

}
}
