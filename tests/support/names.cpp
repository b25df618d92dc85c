#include "support/names.h"

namespace teaser::testing {

std::string name(TextBox box)
{
    switch (box) {
    case TextBox::题目:
        return "题目";
    case TextBox::编辑框1:
        return "编辑框1";
    case TextBox::答案:
        return "答案";
    case TextBox::编辑框2:
        return "编辑框2";
    }
    return "?";
}

std::string name(Label label)
{
    return label == Label::标签4 ? "标签4" : "标签5";
}

std::string name(MenuItem item)
{
    switch (item) {
    case MenuItem::题库1:
        return "题库1";
    case MenuItem::题库2:
        return "题库2";
    case MenuItem::题库3:
        return "题库3";
    case MenuItem::背景音乐:
        return "背景音乐";
    }
    return "?";
}

std::string name(VerdictPicture picture)
{
    switch (picture) {
    case VerdictPicture::none:
        return "none";
    case VerdictPicture::correct:
        return "correct";
    case VerdictPicture::wrong:
        return "wrong";
    }
    return "?";
}

}
