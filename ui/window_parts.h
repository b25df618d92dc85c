// The parts of the main window that the event bindings reach by name.
#pragma once

namespace teaser {

enum class Button { 按钮1, 按钮2, 按钮3, 按钮4, 按钮5, 按钮6, 按钮7, 按钮8, 按钮10, 按钮11, 按钮12 };
enum class PopUpMenu { 题库, 音乐 };

}
