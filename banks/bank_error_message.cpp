#include "banks/bank_error_message.h"

#include "core/gbk.h"

#include <QString>

namespace teaser {

namespace {

QString reason(const BankError &error)
{
    switch (error.problem) {
    case BankProblem::missing:
        return QStringLiteral("找不到这个文件。");
    case BankProblem::notAFile:
        return QStringLiteral("它不是一个文件。");
    case BankProblem::unreadable:
        return QStringLiteral("文件读不出来。");
    case BankProblem::tooLarge:
        return QStringLiteral("文件太大了。");
    case BankProblem::empty:
        return QStringLiteral("文件是空的。");
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
    }
    return {};
}

}

Text bankErrorMessage(const std::filesystem::path &path, const BankError &error)
{
    const QString fileName = QString::fromStdU16String(path.u16string());
    return encodeGbk(QStringLiteral("无法使用题库文件“%1”：%2").arg(fileName, reason(error))).bytes;
}

}
