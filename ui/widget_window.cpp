#include "ui/widget_window.h"

#include "app/gbk.h"
#include "quiz/verdict_icons.h"
#include "ui/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTimer>

namespace teaser {

namespace {

// What a screen reader says of the verdict picture.
QString verdictPictureName(std::span<const std::uint8_t> icon)
{
    if (icon.data() == verdict_icons::correct().data())
        return QStringLiteral("笑脸：答对了");
    if (icon.data() == verdict_icons::wrong().data())
        return QStringLiteral("哭脸：答错了");
    return QStringLiteral("没有判定");
}

}

WidgetWindow::WidgetWindow(MainWindow &window)
    : window_(window)
{
}

void WidgetWindow::setText(TextBox box, std::string_view gbk)
{
    const QString text = decodeGbk(gbk);
    switch (box) {
    case TextBox::题目:
        window_.题目->setPlainText(text);
        break;
    case TextBox::编辑框1:
        window_.编辑框1->setPlainText(text);
        break;
    case TextBox::答案:
        window_.答案->setText(text);
        break;
    case TextBox::编辑框2:
        window_.编辑框2->setText(text);
        break;
    }
}

TypedText WidgetWindow::text(TextBox box) const
{
    QString text;
    switch (box) {
    case TextBox::题目:
        text = window_.题目->toPlainText();
        break;
    case TextBox::编辑框1:
        text = window_.编辑框1->toPlainText();
        break;
    case TextBox::答案:
        text = window_.答案->text();
        break;
    case TextBox::编辑框2:
        text = window_.编辑框2->text();
        break;
    }
    GbkEncoding encoded = encodeGbk(text);
    return {std::move(encoded.bytes), encoded.exact};
}

void WidgetWindow::setCaption(Label label, std::string_view gbk)
{
    QLabel *target = label == Label::标签4 ? window_.标签4 : window_.标签5;
    target->setText(decodeGbk(gbk));
}

void WidgetWindow::setPicture(std::span<const std::uint8_t> icon)
{
    QPixmap picture;
    if (!icon.empty())
        picture.loadFromData(icon.data(), uint(icon.size()), "ICO");
    window_.图片框1->setPixmap(picture);
    window_.图片框1->setAccessibleName(verdictPictureName(icon));
}

void WidgetWindow::setTimerInterval(int milliseconds)
{
    if (milliseconds <= 0)
        window_.时钟1->stop();
    else
        window_.时钟1->start(milliseconds);
}

bool WidgetWindow::isNoCountdownChecked() const
{
    return window_.选择框1->isChecked();
}

bool WidgetWindow::isChecked(MenuItem item) const
{
    return action(item)->isChecked();
}

void WidgetWindow::setChecked(MenuItem item, bool checked)
{
    action(item)->setChecked(checked);
}

void WidgetWindow::showMessage(MessageIcon icon, std::string_view gbk)
{
    QMessageBox box(icon == MessageIcon::warning ? QMessageBox::Warning : QMessageBox::Information,
                    window_.windowTitle(), decodeGbk(gbk), QMessageBox::Ok, &window_);
    box.exec();
}

QAction *WidgetWindow::action(MenuItem item) const
{
    switch (item) {
    case MenuItem::题库1:
        return window_.题库1;
    case MenuItem::题库2:
        return window_.题库2;
    case MenuItem::题库3:
        return window_.题库3;
    case MenuItem::背景音乐:
        return window_.背景音乐;
    }
    return window_.题库1;
}

}
