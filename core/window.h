// What the quiz logic may do to the main window. The real window implements it
// over its widgets; tests implement it with a recording fake.
#pragma once

#include "core/gbk_text.h"

#include <string_view>

namespace teaser {

enum class TextBox { 题目, 编辑框1, 答案, 编辑框2 };
enum class Label { 标签4, 标签5 };
// The menu items that carry a check mark.
enum class MenuItem { 题库1, 题库2, 题库3, 背景音乐 };
enum class MessageIcon { information, warning };
// What 图片框1 shows: nothing, or the face of a verdict.
enum class VerdictPicture { none, correct, wrong };

// A text the user typed, in GBK.
struct TypedText {
    Text gbk;
    bool exact = true; // false when a typed character has no GBK form
};

class Window {
public:
    virtual ~Window() = default;

    virtual void setText(TextBox box, std::string_view gbk) = 0;
    virtual TypedText text(TextBox box) const = 0;
    virtual void setCaption(Label label, std::string_view gbk) = 0;
    virtual void setPicture(VerdictPicture picture) = 0; // 图片框1
    // 时钟1: 0 stops it, 1000 makes it tick once a second.
    virtual void setTimerInterval(int milliseconds) = 0;
    virtual bool isNoCountdownChecked() const = 0; // 选择框1
    virtual bool isChecked(MenuItem item) const = 0;
    virtual void setChecked(MenuItem item, bool checked) = 0;
    // A modal message box titled with the program's name; returns when closed.
    virtual void showMessage(MessageIcon icon, std::string_view gbk) = 0;
};

}
