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
    // Half a surrogate pair, at the end or inside, is no character at all.
    EXPECT_FALSE(encodeGbk(QStringLiteral("答") + QChar(0xD800)).exact);
    EXPECT_FALSE(encodeGbk(QStringLiteral("答") + QChar(0xDC00) + QStringLiteral("对")).exact);
}

// Windows converts through its code page 936, Linux through ICU: both must
// read every GBK code alike, and not as GB18030, which reads some of them
// otherwise.
TEST(GbkTest, everyTwoByteCodeIsOneCharacterThatEncodesBackToIt)
{
    int wrong = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const std::string bytes{char(lead), char(trail)};
            const QString decoded = decodeGbk(bytes);
            const GbkEncoding encoded = encodeGbk(decoded);
            const bool roundTrip = decoded.size() == 1 && decoded != QChar(QChar::ReplacementCharacter) && encoded.exact
                                   && encoded.bytes == bytes;
            if (!roundTrip && ++wrong <= 5)
                ADD_FAILURE() << std::hex << "code " << lead << trail << " decodes to " << decoded.size()
                              << " characters, first U+" << (decoded.isEmpty() ? 0 : decoded[0].unicode());
        }
    }
    EXPECT_EQ(wrong, 0);
    struct Code {
        const char *bytes;
        char16_t character;
        const char *what;
    };
    const Code codes[] = {
        {"\x80", u'\u20AC', "the euro sign, a single byte"},
        {"\x81\x40", u'丂', "the first code"},
        {"\xA1\xA1", u'\u3000', "the ideographic space"},
        {"\xA8\xBF", u'\uE7C8', "a code GB18030 reads as U+01F9"},
        {"\xAA\xA1", u'\uE000', "the first code of the user-defined areas"},
        {"\xFE\x50", u'\uE815', "a code GB18030 reads as U+2E81"},
    };
    for (const Code &code : codes)
        EXPECT_EQ(decodeGbk(code.bytes), QString(QChar(code.character))) << code.what;
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
