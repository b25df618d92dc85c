// The real window's controls, found by the names they carry, for the tests
// that look at the window as a user would.
#pragma once

#include <QList>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace teaser::testing {

struct WindowControls {
    // Throws when a control is missing, which fails the test that asked.
    explicit WindowControls(QWidget &window);

    QGroupBox *分组框1;
    QPlainTextEdit *题目;
    QLabel *图片框1;
    QLabel *标签5;
    QLabel *标签1;
    QPlainTextEdit *编辑框1;
    QLabel *标签2;
    QLineEdit *答案;
    QPushButton *按钮1;
    QLabel *标签3;
    QLineEdit *编辑框2;
    QPushButton *按钮6;
    QLabel *标签4;
    QTimer *时钟1;
    QCheckBox *选择框1;
    QLabel *标签6;
    QPushButton *按钮4;
    QPushButton *按钮7;
    QPushButton *按钮2;
    QPushButton *按钮3;
    QPushButton *按钮8;
    QPushButton *按钮5;
    QPushButton *按钮10;
    QPushButton *按钮11;
    QPushButton *按钮12;
    QMenu *bankMenu;
    QAction *题库1;
    QAction *题库2;
    QAction *题库3;
    QMenu *musicMenu;
    QAction *背景音乐;
    QList<QAction *> songItems; // in menu order
};

}
