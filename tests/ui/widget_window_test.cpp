#include "ui/widget_window.h"

#include "core/gbk.h"
#include "support/window_controls.h"
#include "ui/main_window.h"
#include "ui/verdict_pictures.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace teaser {
namespace {

class WidgetWindowTest : public ::testing::Test {
protected:
    MainWindow window;
    testing::WindowControls controls{window};
    WidgetWindow operations{window};
};

TEST_F(WidgetWindowTest, textsAreShownDecodedFromGbk)
{
    operations.setText(TextBox::题目, gbk(u8"你好，世界"));
    EXPECT_EQ(controls.题目->toPlainText(), QStringLiteral("你好，世界"));
    operations.setText(TextBox::编辑框1, gbk(u8"答案"));
    EXPECT_EQ(controls.编辑框1->toPlainText(), QStringLiteral("答案"));
    operations.setCaption(Label::标签5, gbk(u8"答对了"));
    EXPECT_EQ(controls.标签5->text(), QStringLiteral("答对了"));
    operations.setCaption(Label::标签4, "29");
    EXPECT_EQ(controls.标签4->text(), QStringLiteral("29"));
}

TEST_F(WidgetWindowTest, invalidGbkShowsAReplacementAndKeepsTheRest)
{
    // 0xFF never starts a GBK character; 0x81 at the end lacks its second byte.
    operations.setText(TextBox::题目, "ab\xFF"
                                      "cd\x81");
    const QString shown = controls.题目->toPlainText();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("ab"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("cd"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar::ReplacementCharacter)) << shown.toStdString();
}

TEST_F(WidgetWindowTest, typedTextsAreReadAsGbkAndFlaggedWhenTheyHaveNoGbkForm)
{
    controls.答案->setText(QStringLiteral("水"));
    const TypedText water = operations.text(TextBox::答案);
    EXPECT_EQ(water.gbk, "\xCB\xAE");
    EXPECT_TRUE(water.exact);

    controls.答案->setText(QStringLiteral("😀"));
    const TypedText emoji = operations.text(TextBox::答案);
    EXPECT_FALSE(emoji.exact);

    controls.编辑框2->setText(QStringLiteral("12"));
    EXPECT_EQ(operations.text(TextBox::编辑框2).gbk, "12");
}

TEST_F(WidgetWindowTest, verdictPictureShowsTheIconAndClears)
{
    operations.setPicture(VerdictPicture::correct);
    const QPixmap picture = controls.图片框1->pixmap();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(32, 32));
    EXPECT_EQ(picture.toImage().pixelColor(16, 16), QColor(255, 255, 0));
    EXPECT_EQ(picture.toImage().pixelColor(0, 0).alpha(), 0);

    operations.setPicture(VerdictPicture::none);
    EXPECT_TRUE(controls.图片框1->pixmap().isNull());
}

TEST_F(WidgetWindowTest, verdictPictureSaysWhichVerdictItShows)
{
    operations.setPicture(VerdictPicture::correct);
    EXPECT_EQ(controls.图片框1->accessibleName(), QStringLiteral("笑脸：答对了"));
    operations.setPicture(VerdictPicture::wrong);
    EXPECT_EQ(controls.图片框1->accessibleName(), QStringLiteral("哭脸：答错了"));
    operations.setPicture(VerdictPicture::none);
    EXPECT_EQ(controls.图片框1->accessibleName(), QStringLiteral("没有判定"));
}

TEST(VerdictPicturesTest, decodeThroughQtsIconReaderAsTwoFaces)
{
    const auto decode = [](VerdictPicture picture) {
        return verdictPixmap(picture).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    const QImage smile = decode(VerdictPicture::correct);
    const QImage frown = decode(VerdictPicture::wrong);
    for (const QImage &face : {smile, frown}) {
        ASSERT_EQ(face.size(), QSize(32, 32));
        EXPECT_EQ(face.pixelColor(16, 16), QColor(255, 255, 0));
        EXPECT_EQ(face.pixelColor(0, 0).alpha(), 0);
        EXPECT_EQ(face.pixelColor(31, 31).alpha(), 0);
    }
    // The same face above the mouth, a different mouth below.
    EXPECT_EQ(smile.copy(0, 0, 32, 16), frown.copy(0, 0, 32, 16));
    EXPECT_NE(smile.copy(0, 18, 32, 14), frown.copy(0, 18, 32, 14));
}

TEST_F(WidgetWindowTest, timerRunsOnlyWithAnInterval)
{
    operations.setTimerInterval(1000);
    EXPECT_TRUE(controls.时钟1->isActive());
    EXPECT_EQ(controls.时钟1->interval(), 1000);
    operations.setTimerInterval(0);
    EXPECT_FALSE(controls.时钟1->isActive());
}

TEST_F(WidgetWindowTest, checkMarksAreTheMenuItems)
{
    operations.setChecked(MenuItem::题库3, true);
    EXPECT_TRUE(controls.题库3->isChecked());
    operations.setChecked(MenuItem::背景音乐, false);
    EXPECT_FALSE(operations.isChecked(MenuItem::背景音乐));
    controls.选择框1->setChecked(true);
    EXPECT_TRUE(operations.isNoCountdownChecked());
}

TEST_F(WidgetWindowTest, messageIsAModalBoxTitledWithTheProgramName)
{
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = int(box->buttons().size());
        box->accept();
    });
    operations.showMessage(MessageIcon::information, gbk(u8"已经是第一题了！"));
    EXPECT_EQ(text, QStringLiteral("已经是第一题了！"));
    EXPECT_EQ(title, QStringLiteral("岚石脑筋急转弯2.0"));
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(buttons, 1);
}

TEST_F(WidgetWindowTest, aMessageIsPlainTextWhateverItHolds)
{
    // A path that looks like markup once restyled the warning, and an
    // <img> in it made the box read /dev/zero as a picture.
    Qt::TextFormat format = Qt::AutoText;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        shown = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->text();
        box->accept();
    });
    const Text message = gbk(u8"无法使用题库文件“/x<font color=red size=7>BIG<img src=/dev/zero>/date.dat”");
    operations.showMessage(MessageIcon::warning, message);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, decodeGbk(message));
}

}
}
