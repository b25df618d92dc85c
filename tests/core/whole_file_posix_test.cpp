// What only a POSIX system puts at a path: FIFOs, devices, sockets,
// symbolic links in a circle, files under /proc that say nothing of their
// size; and limits that only a child process may take on (its user, its
// address space).
#include "core/whole_file.h"

#include "support/child_process.h"
#include "support/whole_file_fixture.h"

#include <fstream>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace teaser::testing {
namespace {

constexpr std::size_t limit = wholeFileLimit;

// Each of these once blocked the reader, read without end, or got the
// wrong reason: a FIFO blocks a plain open() until a writer comes.
TEST_F(WholeFileTest, saysWhatLiesAtThePathInsteadOfAFile)
{
    const auto fifo = directory.path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const auto zeros = directory.path() / "zeros";
    std::filesystem::create_symlink("/dev/zero", zeros);
    std::filesystem::create_symlink(directory.path() / "loop-b", directory.path() / "loop-a");
    std::filesystem::create_symlink(directory.path() / "loop-a", directory.path() / "loop-b");
    const auto socketPath = directory.path() / "socket";
    const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.native().copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listening, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);

    const std::pair<std::filesystem::path, FileProblem> cases[] = {
        {fifo, FileProblem::notAFile},
        {zeros, FileProblem::notAFile},
        {"/dev/urandom", FileProblem::notAFile},
        {socketPath, FileProblem::notAFile},
        {directory.path() / "loop-a", FileProblem::linkLoop},
    };
    for (const auto &[path, problem] : cases)
        EXPECT_EQ(problemOf(readWholeFile(path, limit)), problem) << path;
    close(listening);
}

TEST_F(WholeFileTest, aFileThatGivesNoSizeIsReadToItsEndWithinTheLimit)
{
    // Files under /proc say they are empty; they are read for what they hold.
    const FileResult status = readWholeFile("/proc/self/status", limit);
    ASSERT_TRUE(std::holds_alternative<ByteBuffer>(status));
    EXPECT_NE(std::get<ByteBuffer>(status).view().find("Name:"), std::string_view::npos);
    EXPECT_EQ(problemOf(readWholeFile("/proc/self/status", 16)), FileProblem::tooLarge);
}

TEST_F(WholeFileTest, aFileThatMayNotBeReadSaysSoEvenToRoot)
{
    const auto path = write("locked.dat", "1\r\nQ\r\nA\r\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_write);
    const int status = exitStatusInChild([&] {
        // Root reads any file; as nobody, the test sees what a user sees.
        if (geteuid() == 0 && setuid(65534) != 0)
            return 100;
        return problemOf(readWholeFile(path, limit)) == FileProblem::permissionDenied ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
}

// gcc says it builds for the address sanitizer one way, clang another.
#if defined(__SANITIZE_ADDRESS__)
#define TEASER_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TEASER_ADDRESS_SANITIZER 1
#endif
#endif

TEST_F(WholeFileTest, runningOutOfMemoryIsARefusalNotACrash)
{
#ifdef TEASER_ADDRESS_SANITIZER
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit leaves";
#else
    const auto path = directory.path() / "big.dat";
    std::ofstream(path, std::ios::binary).close();
    std::filesystem::resize_file(path, std::uintmax_t(200) << 20);
    const int status = exitStatusInChild([&] {
        // Room for the process as it is and a little more, not for 200 MB.
        rlimit room{};
        getrlimit(RLIMIT_AS, &room);
        std::ifstream statm("/proc/self/statm");
        std::size_t pages = 0;
        statm >> pages;
        room.rlim_cur = pages * std::size_t(sysconf(_SC_PAGESIZE)) + (std::size_t(64) << 20);
        if (setrlimit(RLIMIT_AS, &room) != 0)
            return 100;
        return problemOf(readWholeFile(path, std::size_t(256) << 20)) == FileProblem::outOfMemory ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
#endif
}

}
}
