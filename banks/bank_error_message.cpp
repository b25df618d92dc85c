#include "banks/bank_error_message.h"

#include "core/gbk.h"
#include "core/path_text.h"

#include <QString>

namespace teaser {

namespace {

// A path longer than this is shortened in the middle, so the message box
// stays on small screens.
constexpr qsizetype longestPathShown = 60;

QString reason(const BankError &error)
{
    switch (error.problem) {
    case BankProblem::missing:
        return QStringLiteral("找不到这个文件。");
    case BankProblem::linkLoop:
        return QStringLiteral("路径里的符号链接绕成了一个圈。");
    case BankProblem::permissionDenied:
        return QStringLiteral("没有读取这个文件的权限。");
    case BankProblem::notAFile:
        return QStringLiteral("它不是一个文件。");
    case BankProblem::unreadable:
        return QStringLiteral("文件读不出来。");
    case BankProblem::tooLarge:
        return QStringLiteral("文件太大了：题库最多 %1 MB。").arg(maxBankBytes >> 20);
    case BankProblem::outOfMemory:
        return QStringLiteral("内存不够，读不下这个文件。");
    case BankProblem::empty:
        return QStringLiteral("文件是空的。");
    case BankProblem::utf8Bom:
        return QStringLiteral("文件以 UTF-8 的字节顺序标记开头，题库应当是 GBK 编码的文本。");
    case BankProblem::utf16:
        return QStringLiteral("文件是 UTF-16 编码的，题库应当是 GBK 编码的文本。");
    case BankProblem::zeroByte:
        return QStringLiteral("文件里有零字节，不是文本文件。");
    case BankProblem::notCrLf:
        return QStringLiteral("文件的行尾不是 CR LF。");
    case BankProblem::countNotNumber:
        return QStringLiteral("第一行应当只写题数。");
    case BankProblem::countTooLarge:
        return QStringLiteral("第一行的题数太大了。");
    case BankProblem::noQuestions:
        return QStringLiteral("题数是 0，没有题目。");
    case BankProblem::tooFewLines:
        return QStringLiteral("第一行说有 %1 道题，但只有 %2 道题有题目和答案。")
            .arg(error.count)
            .arg(error.completePairs);
    case BankProblem::lineTooLong:
        return QStringLiteral("第 %1 行有 %2 字节，一行最多 %3 字节。")
            .arg(error.line)
            .arg(error.bytes)
            .arg(maxLineBytes);
    }
    return {};
}

}

Text bankErrorMessage(const std::filesystem::path &path, const BankError &error)
{
    const QString shownPath = shortenedInTheMiddle(pathForDisplay(path), longestPathShown);
    return encodeGbk(QStringLiteral("无法使用题库文件“%1”：%2").arg(shownPath, reason(error))).bytes;
}

}
