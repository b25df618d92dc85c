// What only Windows puts at a path: devices, named pipes, and files that
// another program holds open without sharing them.
#include "core/whole_file.h"

#include "support/whole_file_fixture.h"

#include <chrono>
#include <string>
#include <windows.h>

namespace teaser::testing {
namespace {

constexpr std::size_t limit = wholeFileLimit;

TEST_F(WholeFileTest, aDeviceOrAPipeIsNoFileAndNeverBlocks)
{
    const std::wstring pipeName = L"\\\\.\\pipe\\teaser-test-" + std::to_wstring(GetCurrentProcessId());
    // A pipe whose server never writes: reading it would wait for ever.
    const HANDLE pipe =
        CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(problemOf(readWholeFile(pipeName, limit)), FileProblem::notAFile);
    EXPECT_EQ(problemOf(readWholeFile(L"\\\\.\\NUL", limit)), FileProblem::notAFile);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    CloseHandle(pipe);
}

TEST_F(WholeFileTest, aFileHeldOpenWithoutSharingMayNotBeRead)
{
    const auto path = write("held.dat", "1\r\nQ\r\nA\r\n");
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(problemOf(readWholeFile(path, limit)), FileProblem::permissionDenied);
    CloseHandle(held);
    EXPECT_EQ(problemOf(readWholeFile(path, limit)), std::nullopt);
}

TEST_F(WholeFileTest, aPathOfTheNetworkKindIsReadLikeAnyOther)
{
    // As \\server\share\... is, where a program started from a share has its folder.
    auto path = write("bank.dat", "1\r\nQ\r\nA\r\n");
    const std::wstring extended = L"\\\\?\\" + path.make_preferred().native();
    EXPECT_EQ(problemOf(readWholeFile(extended, limit)), std::nullopt);
}

TEST_F(WholeFileTest, aDriveThatIsNotThereHoldsNoFile)
{
    // A letter that no drive has, as a program folder on a removed stick would.
    const DWORD drives = GetLogicalDrives();
    for (wchar_t letter = L'Y'; letter > L'D'; --letter) {
        if (drives & (1u << (letter - L'A')))
            continue;
        const std::wstring path = std::wstring(1, letter) + L":\\teaser\\date.dat";
        EXPECT_EQ(problemOf(readWholeFile(path, limit)), FileProblem::missing);
        return;
    }
    GTEST_SKIP() << "every drive letter is taken";
}

}
}
