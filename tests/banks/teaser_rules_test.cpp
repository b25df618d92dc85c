// The mechanical half of what makes a good teaser for this game, checked on
// the three installed banks: a guess is right only when it is the stored
// answer byte for byte, so an answer must have one form a player types
// without thinking; and the collection must not tell its jokes in the same
// few shapes. (Whether a teaser is funny is for readers to judge.)
#include "banks/bank_text.h"
#include "core/gbk.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <vector>

namespace teaser {
namespace {

struct Teaser {
    QString question; // without the number the bank puts in front
    QString answer;
    std::string where;
};

std::vector<Teaser> installedTeasers()
{
    std::vector<Teaser> teasers;
    for (const char *fileName : {"date.dat", "ti2.dat", "hao2.dat"}) {
        std::ifstream file(std::string(TEASER_PROGRAM_DIR) + "/" + fileName, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        const auto parsed = parseBank(bytes.str());
        if (!std::holds_alternative<BankContent>(parsed))
            continue;
        const auto &bank = std::get<BankContent>(parsed);
        static const QRegularExpression number(QStringLiteral("^\\d+[.:]"));
        for (std::int32_t n = 1; n <= bank.count; ++n) {
            QString question = decodeGbk(bank.lines.at(std::size_t(n) * 2 - 1));
            question.remove(number);
            teasers.push_back({question, decodeGbk(bank.lines.at(std::size_t(n) * 2)),
                               std::string(fileName) + " question " + std::to_string(n)});
        }
    }
    return teasers;
}

// Why an answer cannot be typed the one way it is stored, or nothing.
std::optional<std::string> answerProblem(const QString &answer)
{
    static const QRegularExpression digits(QStringLiteral("[0-9０-９]"));
    static const QRegularExpression onlyDigits(QStringLiteral("^[0-9]+$"));
    static const QRegularExpression latin(QStringLiteral("[A-Za-zＡ-Ｚａ-ｚ]"));
    // A number in Chinese numerals, an ordinal, or a number with its unit.
    static const QRegularExpression chineseNumber(
        QStringLiteral("^第?[零〇一二两三四五六七八九十百千万亿半]+[个只条天年岁米斤次遍块张颗本位头匹辆双对件元角分秒"
                       "周月层页题句步根片棵朵道口]?$"));
    if (answer.isEmpty())
        return "empty";
    if (answer.size() > 8)
        return "longer than 8 characters";
    for (const QChar c : answer) {
        if (c.isPunct() || c.isSpace() || c.isSymbol())
            return "punctuation, a symbol or a space";
    }
    if (answer.contains(digits) && !answer.contains(onlyDigits))
        return "digits mixed with other characters: numbers are Arabic digits alone, with no unit";
    if (answer.contains(chineseNumber))
        return "a number in Chinese numerals: numbers are Arabic digits";
    if (answer.contains(latin))
        return "a Latin letter";
    return std::nullopt;
}

struct Frame {
    const char *name;
    QRegularExpression pattern;
};

// The question shapes that a collection of teasers tends to fall back on.
// The open "什么…" question is not among them: it is the teaser's own.
const std::vector<Frame> &frames()
{
    static const std::vector<Frame> table = {
        {"哪种…最…", QRegularExpression(QStringLiteral("哪种[^，。？！]{0,10}最"))},
        {"哪种“X”…", QRegularExpression(QStringLiteral("哪种[^？]*[“\"‘']|[“\"‘'][^？]*哪种"))},
        {"什么/哪个“X”…", QRegularExpression(QStringLiteral(
                              "(什么|哪个|哪一?种|哪位|哪只|哪条|哪家|哪把|哪张|哪根|哪块|哪朵|哪棵|哪件|"
                              "哪双|哪口|哪座|哪道|哪间|哪台|哪门|哪颗|哪支|哪片|哪样)[^，。？！“]{0,2}[“\"‘']"))},
        {"哪种动物/鸟/鱼/虫", QRegularExpression(QStringLiteral("哪种(动物|鸟|鱼|虫)"))},
        {"为什么…", QRegularExpression(QStringLiteral("为什么|为啥|怎么会"))},
        {"…却…", QRegularExpression(QStringLiteral("却"))},
        {"有一种…", QRegularExpression(QStringLiteral("^有一种"))},
        {"打一字", QRegularExpression(QStringLiteral("打一个?字"))},
        {"猜一字", QRegularExpression(QStringLiteral("猜一个?字"))},
        {"是什么字/哪个字", QRegularExpression(QStringLiteral("(什么|哪个)字"))},
        {"打一成语", QRegularExpression(QStringLiteral("打一个?成语"))},
        {"越…越…", QRegularExpression(QStringLiteral("越[^，。？]{1,8}越"))},
        {"最怕/最喜欢/最爱", QRegularExpression(QStringLiteral("最(怕|喜欢|爱)"))},
        {"有什么区别/不同", QRegularExpression(QStringLiteral("什么(区别|不同)"))},
        {"怎么办", QRegularExpression(QStringLiteral("怎么办"))},
        {"哪个国家/城市/省", QRegularExpression(QStringLiteral("哪(个|座)(国家|城市|省)"))},
    };
    return table;
}

const QStringList names = {QStringLiteral("小明"), QStringLiteral("小红"), QStringLiteral("小刚"),
                           QStringLiteral("小华"), QStringLiteral("小丽"), QStringLiteral("小强"),
                           QStringLiteral("小王"), QStringLiteral("小李"), QStringLiteral("小张"),
                           QStringLiteral("老王"), QStringLiteral("老李"), QStringLiteral("老张"),
                           QStringLiteral("小芳"), QStringLiteral("小亮"), QStringLiteral("小军"),
                           QStringLiteral("小美"), QStringLiteral("明明"), QStringLiteral("丁丁")};

// Questions that say the same thing: their pairs of adjacent letters overlap
// by at least half.
double likeness(const QString &a, const QString &b)
{
    const auto pairs = [](const QString &text) {
        QSet<QString> found;
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i].isLetterOrNumber() && text[i + 1].isLetterOrNumber())
                found.insert(text.mid(i, 2));
        }
        return found;
    };
    const QSet<QString> first = pairs(a);
    const QSet<QString> second = pairs(b);
    const qsizetype shared = QSet<QString>(first).intersect(second).size();
    const qsizetype all = QSet<QString>(first).unite(second).size();
    return all == 0 ? 0.0 : double(shared) / double(all);
}

constexpr double sameQuestion = 0.5;

TEST(TeaserRulesTest, theRulesCatchWhatTheyShould)
{
    for (const char *typeable : {"水", "蜗牛", "5", "2064", "万里长城", "一举两得", "十字路口"})
        EXPECT_EQ(answerProblem(QString::fromUtf8(typeable)), std::nullopt) << typeable;
    for (const char *untypeable : {"99米", "第2", "五", "九十九", "第二", "一百", "5个", "被自己辣的那个小孩子", "T恤",
                                   "大 象", "鸡蛋。", "１２"})
        EXPECT_NE(answerProblem(QString::fromUtf8(untypeable)), std::nullopt) << untypeable;
    EXPECT_TRUE(frames()[2].pattern.match(QStringLiteral("什么“水”一看见好吃的就往外流？")).hasMatch());
    EXPECT_TRUE(frames()[2].pattern.match(QStringLiteral("身上哪把“勺”盛不了汤？")).hasMatch());
    EXPECT_FALSE(frames()[2].pattern.match(QStringLiteral("什么东西越洗越脏？")).hasMatch());
    EXPECT_GE(
        likeness(QStringLiteral("一年四季里，哪个季节的水最硬？"), QStringLiteral("一年四季，哪个季节的水最硬？")),
        sameQuestion);
    EXPECT_LT(likeness(QStringLiteral("什么东西越洗越脏？"), QStringLiteral("什么路最窄？")), sameQuestion);
}

class InstalledTeasersTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { teasers = installedTeasers(); }
    static inline std::vector<Teaser> teasers;
};

TEST_F(InstalledTeasersTest, everyAnswerHasOneFormToType)
{
    ASSERT_EQ(teasers.size(), 2064u);
    for (const Teaser &teaser : teasers) {
        const auto problem = answerProblem(teaser.answer);
        EXPECT_FALSE(problem) << teaser.where << ": " << teaser.answer.toStdString() << ": " << problem.value_or("");
    }
}

TEST_F(InstalledTeasersTest, noQuestionShapeTakesMoreThanThreePercent)
{
    const auto cap = qsizetype(teasers.size() * 3 / 100);
    for (const Frame &frame : frames()) {
        std::vector<std::string> where;
        for (const Teaser &teaser : teasers) {
            if (frame.pattern.match(teaser.question).hasMatch())
                where.push_back(teaser.where);
        }
        EXPECT_LE(qsizetype(where.size()), cap)
            << frame.name << " in " << where.size() << " questions, first " << (where.empty() ? "" : where[0]);
    }
}

TEST_F(InstalledTeasersTest, noNameTurnsUpInMoreThanFortyQuestions)
{
    for (const QString &name : names) {
        const auto uses = std::count_if(teasers.begin(), teasers.end(),
                                        [&](const Teaser &teaser) { return teaser.question.contains(name); });
        EXPECT_LE(uses, 40) << name.toStdString();
    }
}

TEST_F(InstalledTeasersTest, noAnswerIsStoredTwiceForTheSameQuestion)
{
    std::map<QString, std::vector<const Teaser *>> byAnswer;
    for (const Teaser &teaser : teasers)
        byAnswer[teaser.answer].push_back(&teaser);
    for (const auto &[answer, same] : byAnswer) {
        for (std::size_t i = 0; i < same.size(); ++i) {
            for (std::size_t j = i + 1; j < same.size(); ++j)
                EXPECT_LT(likeness(same[i]->question, same[j]->question), sameQuestion)
                    << same[i]->where << " and " << same[j]->where << " both answer " << answer.toStdString();
        }
    }
}

}
}
