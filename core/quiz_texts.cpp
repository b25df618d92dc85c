#include "core/quiz_texts.h"

#include "core/gbk.h"

#include <algorithm>
#include <cstddef>

namespace teaser::texts {

namespace {

// A text written in UTF-8 in the source, as a template argument.
template <std::size_t size> struct Utf8 {
    constexpr Utf8(const char8_t (&text)[size]) { std::copy_n(text, size, bytes); }
    char8_t bytes[size];
};

// Each fixed text is encoded once, when it is first needed.
template <Utf8 utf8> const Text &encodedOnce()
{
    static const Text text = gbk(std::u8string_view(utf8.bytes, sizeof utf8.bytes - 1));
    return text;
}

}

const Text &thinkAgain()
{
    return encodedOnce<u8"到底是什么呢？我再好好想想！">();
}

const Text &correctVerdict()
{
    return encodedOnce<u8"答对了，好棒啊！">();
}

const Text &wrongVerdict()
{
    return encodedOnce<u8"答错了，要努力哦！">();
}

const Text &alreadyFirstQuestion()
{
    return encodedOnce<u8"已经是第一题了！">();
}

const Text &noQuestionsInBank()
{
    return encodedOnce<u8"当前题库里没有题目。">();
}

const Text &noQuestionYet()
{
    return encodedOnce<u8"还没有出题呢：先点“下一题”出一道题吧。">();
}

const Text &noProgramFolder()
{
    return encodedOnce<u8"找不到程序所在的文件夹，读不到题库和声音。请从安装的地方重新启动程序。">();
}

}
