#include "core/path_text.h"

#include <gtest/gtest.h>

namespace teaser {
namespace {

TEST(PathTextTest, aPathShowsAsItsCharacters)
{
    EXPECT_EQ(pathForDisplay(std::filesystem::path(u8"/程序/题库.dat")), QStringLiteral("/程序/题库.dat"));
}

TEST(PathTextTest, aLongTextIsShortenedInTheMiddle)
{
    const QString path = QStringLiteral("/home/") + QString(3900, u'x') + QStringLiteral("/hao2.dat");
    const QString shown = shortenedInTheMiddle(path, 60);
    EXPECT_EQ(shown.size(), 60);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("/home/xxx"))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("x/hao2.dat"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026)));
    EXPECT_EQ(shortenedInTheMiddle(QStringLiteral("/short/path"), 60), QStringLiteral("/short/path"));
}

TEST(PathTextTest, shorteningNeverSplitsACharacter)
{
    // U+1F600 takes two UTF-16 units, and lies across both cuts.
    const QString smiles = QString::fromUtf8("\xF0\x9F\x98\x80").repeated(40);
    for (qsizetype most = 3; most < 20; ++most) {
        const QString shown = shortenedInTheMiddle(smiles, most);
        EXPECT_LE(shown.size(), most);
        EXPECT_EQ(QString::fromUtf8(shown.toUtf8()), shown) << "an unpaired surrogate at " << most;
        EXPECT_FALSE(shown.front().isLowSurrogate());
        EXPECT_FALSE(shown.back().isHighSurrogate());
    }
}

}
}
