#include "core/whole_file.h"

#include "support/whole_file_fixture.h"

namespace teaser::testing {
namespace {

constexpr std::size_t limit = wholeFileLimit;

TEST_F(WholeFileTest, readsARegularFileWhole)
{
    const std::string bytes = "1\r\nQ\r\nA\r\n" + std::string(100000, 'x');
    const FileResult result = readWholeFile(write("bank.dat", bytes), limit);
    ASSERT_TRUE(std::holds_alternative<ByteBuffer>(result));
    EXPECT_EQ(std::get<ByteBuffer>(result).view(), bytes);
    const FileResult empty = readWholeFile(write("empty.dat", ""), limit);
    ASSERT_TRUE(std::holds_alternative<ByteBuffer>(empty));
    EXPECT_EQ(std::get<ByteBuffer>(empty).size(), 0u);
}

TEST_F(WholeFileTest, saysWhyThereIsNoFileToRead)
{
    write("date.dat", "1\r\nQ\r\nA\r\n");
    const std::pair<std::filesystem::path, FileProblem> cases[] = {
        {directory.path() / "missing.dat", FileProblem::missing},
        {directory.path() / "missing" / "date.dat", FileProblem::missing},
        {directory.path(), FileProblem::notAFile},
        {"date.dat", FileProblem::missing}, // relative: never read from the current folder
    };
    const auto started = std::filesystem::current_path();
    std::filesystem::current_path(directory.path());
    for (const auto &[path, problem] : cases)
        EXPECT_EQ(problemOf(readWholeFile(path, limit)), problem) << path;
    std::filesystem::current_path(started);
}

TEST_F(WholeFileTest, aFileOverTheLimitIsRefusedWithoutReadingIt)
{
    const auto path = directory.path() / "huge.dat";
    std::ofstream(path, std::ios::binary).close();
    std::filesystem::resize_file(path, std::uintmax_t(1) << 30); // sparse: takes no room
    const FileResult result = readWholeFile(path, limit);
    ASSERT_EQ(problemOf(result), FileProblem::tooLarge);
    EXPECT_EQ(std::get<FileError>(result).size, std::uint64_t(1) << 30);
    // One byte over is over.
    EXPECT_EQ(problemOf(readWholeFile(write("full.dat", std::string(limit, 'x')), limit)), std::nullopt);
    EXPECT_EQ(problemOf(readWholeFile(write("over.dat", std::string(limit + 1, 'x')), limit)), FileProblem::tooLarge);
}

}
}
