#include "support/window_controls.h"

#include "sound/song_list.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <stdexcept>
#include <string>

namespace teaser::testing {

namespace {

template <typename Control> Control *named(QWidget &window, const std::string &name)
{
    auto *control = window.findChild<Control *>(QString::fromStdString(name));
    if (!control)
        throw std::runtime_error("the window has no control named " + name);
    return control;
}

QList<QAction *> songItems(QWidget &window)
{
    QList<QAction *> items;
    for (const Song song : allSongs) {
        const std::u8string_view name = songName(song);
        items.append(named<QAction>(window, std::string(name.begin(), name.end())));
    }
    return items;
}

}

WindowControls::WindowControls(QWidget &window)
    : 分组框1(named<QGroupBox>(window, "分组框1"))
    , 题目(named<QPlainTextEdit>(window, "题目"))
    , 图片框1(named<QLabel>(window, "图片框1"))
    , 标签5(named<QLabel>(window, "标签5"))
    , 标签1(named<QLabel>(window, "标签1"))
    , 编辑框1(named<QPlainTextEdit>(window, "编辑框1"))
    , 标签2(named<QLabel>(window, "标签2"))
    , 答案(named<QLineEdit>(window, "答案"))
    , 按钮1(named<QPushButton>(window, "按钮1"))
    , 标签3(named<QLabel>(window, "标签3"))
    , 编辑框2(named<QLineEdit>(window, "编辑框2"))
    , 按钮6(named<QPushButton>(window, "按钮6"))
    , 标签4(named<QLabel>(window, "标签4"))
    , 时钟1(named<QTimer>(window, "时钟1"))
    , 选择框1(named<QCheckBox>(window, "选择框1"))
    , 标签6(named<QLabel>(window, "标签6"))
    , 按钮4(named<QPushButton>(window, "按钮4"))
    , 按钮7(named<QPushButton>(window, "按钮7"))
    , 按钮2(named<QPushButton>(window, "按钮2"))
    , 按钮3(named<QPushButton>(window, "按钮3"))
    , 按钮8(named<QPushButton>(window, "按钮8"))
    , 按钮5(named<QPushButton>(window, "按钮5"))
    , 按钮10(named<QPushButton>(window, "按钮10"))
    , 按钮11(named<QPushButton>(window, "按钮11"))
    , 按钮12(named<QPushButton>(window, "按钮12"))
    , bankMenu(named<QMenu>(window, "题库"))
    , 题库1(named<QAction>(window, "题库1"))
    , 题库2(named<QAction>(window, "题库2"))
    , 题库3(named<QAction>(window, "题库3"))
    , musicMenu(named<QMenu>(window, "音乐"))
    , 背景音乐(named<QAction>(window, "背景音乐"))
    , songItems(teaser::testing::songItems(window))
{
}

}
