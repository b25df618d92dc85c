#include "core/quiz_texts.h"

#include "core/gbk.h"

namespace teaser::texts {

const Text &thinkAgain()
{
    static const Text text = gbk(u8"到底是什么呢？我再好好想想！");
    return text;
}

const Text &correctVerdict()
{
    static const Text text = gbk(u8"答对了，好棒啊！");
    return text;
}

const Text &wrongVerdict()
{
    static const Text text = gbk(u8"答错了，要努力哦！");
    return text;
}

const Text &alreadyFirstQuestion()
{
    static const Text text = gbk(u8"已经是第一题了！");
    return text;
}

}
