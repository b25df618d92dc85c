// Checks the three bank files installed beside the program.
#include "banks/bank_text.h"
#include "core/gbk.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace teaser {
namespace {

struct InstalledBank {
    const char *fileName;
    int count;
    bool endsWithEmptyLine;
    char (*separator)(int number);
};

char point(int)
{
    return '.';
}

char colonForTheFirst420And831(int number)
{
    return number <= 420 || number == 831 ? ':' : '.';
}

const InstalledBank installedBanks[] = {
    {"date.dat", 300, false, point},
    {"ti2.dat", 502, false, point},
    {"hao2.dat", 1262, true, colonForTheFirst420And831},
};

std::string readInstalled(const char *fileName)
{
    std::ifstream file(std::string(TEASER_PROGRAM_DIR) + "/" + fileName, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Bytes that are not GBK decode as U+FFFD, which no GBK code stands for.
bool isValidGbk(const std::string &bytes)
{
    return !decodeGbk(bytes).contains(QChar::ReplacementCharacter);
}

TEST(InstalledBanksTest, haveTheExactFormat)
{
    for (const InstalledBank &bank : installedBanks) {
        SCOPED_TRACE(bank.fileName);
        const std::string bytes = readInstalled(bank.fileName);
        ASSERT_FALSE(bytes.empty());
        EXPECT_TRUE(isValidGbk(bytes));
        EXPECT_EQ(bytes.find('\0'), std::string::npos);
        // Every CR is followed by LF and every LF follows a CR.
        for (std::size_t at = 0; at < bytes.size(); ++at) {
            if (bytes[at] == '\r') {
                ASSERT_TRUE(at + 1 < bytes.size() && bytes[at + 1] == '\n') << "lone CR at " << at;
            }
            if (bytes[at] == '\n') {
                ASSERT_TRUE(at > 0 && bytes[at - 1] == '\r') << "lone LF at " << at;
            }
        }
        const std::string ending = bank.endsWithEmptyLine ? "\r\n\r\n" : "\r\n";
        EXPECT_TRUE(bytes.ends_with(ending));
        EXPECT_FALSE(!bank.endsWithEmptyLine && bytes.ends_with("\r\n\r\n"));

        const BankResult parsed = parseBank(bytes);
        ASSERT_TRUE(std::holds_alternative<BankContent>(parsed));
        const auto &content = std::get<BankContent>(parsed);
        EXPECT_EQ(content.count, bank.count);
        EXPECT_EQ(content.lines.size(), std::size_t(bank.count) * 2 + (bank.endsWithEmptyLine ? 1 : 0));
        EXPECT_TRUE(bytes.starts_with(std::to_string(bank.count) + "\r\n"));
    }
}

TEST(InstalledBanksTest, questionsAreNumberedAndAnswersAreShortAndTypeable)
{
    const QRegularExpression punctuation(QStringLiteral("[，。！？、；：“”‘’（）《》…,.!?;:\"'()]"));
    for (const InstalledBank &bank : installedBanks) {
        SCOPED_TRACE(bank.fileName);
        const auto parsed = parseBank(readInstalled(bank.fileName));
        ASSERT_TRUE(std::holds_alternative<BankContent>(parsed));
        const TextList &lines = std::get<BankContent>(parsed).lines;
        for (int n = 1; n <= bank.count; ++n) {
            const std::string_view question = lines.at(std::size_t(n) * 2 - 1);
            const std::string_view answer = lines.at(std::size_t(n) * 2);
            const std::string prefix = std::to_string(n) + bank.separator(n);
            EXPECT_TRUE(question.starts_with(prefix)) << "question " << n;
            EXPECT_GT(question.size(), prefix.size()) << "question " << n;
            EXPECT_LE(question.size(), 407u) << "question " << n;
            EXPECT_FALSE(answer.empty()) << "answer " << n;
            EXPECT_LE(answer.size(), 146u) << "answer " << n;
            const QString typed = decodeGbk(answer);
            EXPECT_LE(typed.size(), 20) << "answer " << n;
            EXPECT_FALSE(typed.contains(punctuation)) << "answer " << n << ": " << typed.toStdString();
            EXPECT_EQ(typed, typed.trimmed()) << "answer " << n;
        }
    }
}

TEST(InstalledBanksTest, noQuestionStandsTwiceInAnyBank)
{
    std::map<std::string, std::string> firstSeen;
    for (const InstalledBank &bank : installedBanks) {
        const auto parsed = parseBank(readInstalled(bank.fileName));
        ASSERT_TRUE(std::holds_alternative<BankContent>(parsed));
        const TextList &lines = std::get<BankContent>(parsed).lines;
        for (int n = 1; n <= bank.count; ++n) {
            const std::string prefix = std::to_string(n) + bank.separator(n);
            const std::string question(lines.at(std::size_t(n) * 2 - 1).substr(prefix.size()));
            const std::string where = std::string(bank.fileName) + " question " + std::to_string(n);
            const auto [seen, fresh] = firstSeen.emplace(question, where);
            EXPECT_TRUE(fresh) << where << " repeats " << seen->second;
        }
    }
}

}
}
