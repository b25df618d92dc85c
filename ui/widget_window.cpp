#include "ui/widget_window.h"

#include "core/gbk.h"
#include "ui/main_window.h"
#include "ui/verdict_pictures.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTimer>

namespace teaser {

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

void WidgetWindow::setPicture(VerdictPicture picture)
{
    window_.图片框1->setPixmap(verdictPixmap(picture));
    window_.图片框1->setAccessibleName(verdictPictureName(picture));
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
    return window_.menuItem(item)->isChecked();
}

void WidgetWindow::setChecked(MenuItem item, bool checked)
{
    window_.menuItem(item)->setChecked(checked);
}

void WidgetWindow::showMessage(MessageIcon icon, std::string_view gbk)
{
    QMessageBox box(icon == MessageIcon::warning ? QMessageBox::Warning : QMessageBox::Information,
                    window_.windowTitle(), decodeGbk(gbk), QMessageBox::Ok, &window_);
    // A message may name a path, and a path may look like markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}
