#include "core/gbk.h"

#include "core/quiz_texts.h"

#include <gtest/gtest.h>

namespace teaser {
namespace {

TEST(GbkTest, encodesAndDecodesChineseText)
{
    EXPECT_EQ(gbk(u8"水"), "\xCB\xAE");
    EXPECT_EQ(gbk(u8"答对了，好棒啊！"), "\xB4\xF0\xB6\xD4\xC1\xCB\xA3\xAC\xBA\xC3\xB0\xF4\xB0\xA1\xA3\xA1");
    EXPECT_EQ(decodeGbk("\xCB\xAE"), QStringLiteral("水"));
    const QString mixed = QStringLiteral("1.\t为什么　\"ABC\"０.1 ");
    EXPECT_EQ(decodeGbk(encodeGbk(mixed).bytes), mixed);
}

TEST(GbkTest, decodingNeverStopsAtABadByte)
{
    // 0xFF never starts a character; the final 0xCB lacks its second byte.
    const QString decoded = decodeGbk(std::string("\xFF"
                                                  "a\xFF"
                                                  "b\xCB",
                                                  5));
    EXPECT_EQ(decoded.count(QChar::ReplacementCharacter), 3) << decoded.toStdString();
    EXPECT_TRUE(decoded.contains(u'a'));
    EXPECT_TRUE(decoded.contains(u'b'));
    EXPECT_EQ(decodeGbk(std::string("a\0b", 3)).size(), 3);
}

TEST(GbkTest, encodingSaysWhenACharacterHasNoGbkForm)
{
    EXPECT_TRUE(encodeGbk(QStringLiteral("脑筋急转弯")).exact);
    const GbkEncoding emoji = encodeGbk(QStringLiteral("😀"));
    EXPECT_FALSE(emoji.exact);
    EXPECT_FALSE(encodeGbk(QStringLiteral("a") + QChar(0xAC00)).exact); // a Hangul syllable
}

TEST(GbkTest, fixedTextsAreTheirGbkBytes)
{
    EXPECT_EQ(decodeGbk(texts::thinkAgain()), QStringLiteral("到底是什么呢？我再好好想想！"));
    EXPECT_EQ(decodeGbk(texts::correctVerdict()), QStringLiteral("答对了，好棒啊！"));
    EXPECT_EQ(decodeGbk(texts::wrongVerdict()), QStringLiteral("答错了，要努力哦！"));
    EXPECT_EQ(decodeGbk(texts::alreadyFirstQuestion()), QStringLiteral("已经是第一题了！"));
}

}
}
