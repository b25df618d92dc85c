// What only a POSIX system puts where a bank file should be: a FIFO,
// symbolic links that lead round in a circle, a file under /proc, a folder
// name that is not UTF-8, a file that root may read and a user may not.
#include "banks/bank_selection.h"
#include "banks/bank_text.h"
#include "core/gbk.h"
#include "support/child_process.h"
#include "support/quiz_fixture.h"

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace teaser::testing {
namespace {

BankProblem problemOf(const BankResult &result)
{
    const auto *error = std::get_if<BankError>(&result);
    return error ? error->problem : BankProblem{-1};
}

class PosixBankFileTest : public QuizFixture { };

TEST_F(PosixBankFileTest, saysWhyWhatLiesThereIsNoBank)
{
    const auto fifo = directory.path() / "fifo.dat";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink(directory.path() / "b.dat", directory.path() / "a.dat");
    std::filesystem::create_symlink(directory.path() / "a.dat", directory.path() / "b.dat");

    EXPECT_EQ(problemOf(readBank(fifo)), BankProblem::notAFile) << "a FIFO must not block the reader";
    EXPECT_EQ(problemOf(readBank(directory.path() / "a.dat")), BankProblem::linkLoop);
    // A file under /proc says it is empty, but it is not: what is wrong with
    // it is its lines.
    EXPECT_EQ(problemOf(readBank("/proc/self/status")), BankProblem::notCrLf);
}

TEST_F(PosixBankFileTest, aFileThatMayNotBeReadSaysSo)
{
    const auto path = directory.path() / "locked.dat";
    std::ofstream(path, std::ios::binary) << "1\r\nQ\r\nA\r\n";
    std::filesystem::permissions(path, std::filesystem::perms::owner_write);
    const int status = exitStatusInChild([&] {
        // Root reads any file; as nobody, the test sees what a user sees.
        if (geteuid() == 0 && setuid(65534) != 0)
            return 100;
        return problemOf(readBank(path)) == BankProblem::permissionDenied ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
}

TEST_F(PosixBankFileTest, aLinkLoopIsNamedInTheMessage)
{
    std::filesystem::create_symlink(banks.path(Bank::second), banks.path(Bank::second));
    SelectBank(quiz, Bank::second);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_TRUE(decodeGbk(window.messages[0].second).contains(QStringLiteral("符号链接绕成了一个圈")));
}

TEST_F(PosixBankFileTest, aFolderNameThatIsNotUtf8StillGetsItsMessage)
{
    // Such a folder once ended the program while the message was written.
    const auto folder = directory.path()
                        / std::string("bad\xFF"
                                      "folder");
    std::filesystem::create_directory(folder);
    quiz.programDirectory = folder;
    SelectBank(quiz, Bank::first);
    ASSERT_EQ(window.messages.size(), 1u);
    const QString message = decodeGbk(window.messages[0].second);
    EXPECT_TRUE(message.contains(QStringLiteral("bad")) && message.contains(QStringLiteral("folder")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("找不到这个文件"))) << message.toStdString();
    // The scratch folder's own clean-up goes through QString, which cannot
    // name this one.
    std::filesystem::remove(folder);
}

}
}
