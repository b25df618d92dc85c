#include "ui/event_bindings.h"

#include "banks/bank_selection.h"
#include "core/gbk.h"
#include "support/bank_files.h"
#include "support/recording_sound.h"
#include "support/scratch_directory.h"
#include "support/window_controls.h"
#include "ui/main_window.h"
#include "ui/widget_window.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace teaser::testing {
namespace {

class EventBindingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        write(Bank::first, "2\r\n1.一\r\n甲\r\n2.二\r\n乙\r\n");
        write(Bank::second, "1\r\n1.三\r\n丙\r\n");
        bindEvents(window, quiz);
        ASSERT_TRUE(LoadBank(quiz, banks.path(Bank::first)));
    }

    void write(Bank bank, const std::string &utf8)
    {
        banks.write(bank, gbk(std::u8string_view(reinterpret_cast<const char8_t *>(utf8.data()), utf8.size())));
    }

    // Accepts the next message box once it is open, keeping its text.
    void answerNextMessage()
    {
        QTimer::singleShot(0, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                messages << box->text();
                box->accept();
            }
        });
    }

    ScratchDirectory directory;
    BankFiles banks{directory.path()};
    EventLog log;
    QuizState state;
    MainWindow window;
    WindowControls controls{window};
    WidgetWindow operations{window};
    RecordingSound sound{log};
    QuizContext quiz{state, operations, sound, directory.path()};
    QStringList messages;
};

TEST_F(EventBindingsTest, navigationButtonsShowQuestionsAndStartTheCountdown)
{
    QTest::mouseClick(controls.按钮3, Qt::LeftButton);
    EXPECT_EQ(controls.题目->toPlainText(), QStringLiteral("1.一"));
    EXPECT_EQ(controls.编辑框1->toPlainText(), QStringLiteral("到底是什么呢？我再好好想想！"));
    EXPECT_TRUE(controls.时钟1->isActive());

    QTest::mouseClick(controls.按钮8, Qt::LeftButton);
    EXPECT_EQ(controls.题目->toPlainText(), QStringLiteral("2.二"));

    QTest::mouseClick(controls.按钮5, Qt::LeftButton);
    EXPECT_EQ(controls.编辑框1->toPlainText(), QStringLiteral("乙"));
    EXPECT_FALSE(controls.时钟1->isActive());
}

TEST_F(EventBindingsTest, previousAtTheFirstQuestionSaysSo)
{
    QTest::mouseClick(controls.按钮7, Qt::LeftButton);
    answerNextMessage();
    QTest::mouseClick(controls.按钮2, Qt::LeftButton);
    EXPECT_EQ(messages, QStringList{QStringLiteral("已经是第一题了！")});
    EXPECT_EQ(controls.题目->toPlainText(), QStringLiteral("1.一"));
}

TEST_F(EventBindingsTest, bankItemsMoveTheMarkOnlyWhenTheBankLoads)
{
    controls.题库2->trigger();
    EXPECT_FALSE(controls.题库1->isChecked());
    EXPECT_TRUE(controls.题库2->isChecked());
    EXPECT_EQ(state.questionCount, 1);

    // Choosing the checked item again keeps its mark.
    controls.题库2->trigger();
    EXPECT_TRUE(controls.题库2->isChecked());

    ASSERT_FALSE(std::filesystem::exists(banks.path(Bank::third)));
    answerNextMessage();
    controls.题库3->trigger();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.value(0).contains(QStringLiteral("hao2.dat")));
    EXPECT_FALSE(controls.题库3->isChecked());
    EXPECT_TRUE(controls.题库2->isChecked());
}

TEST_F(EventBindingsTest, menusOpenFromTheirButtonsAndDismissingChangesNothing)
{
    window.show();
    QTest::mouseClick(controls.按钮10, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return controls.bankMenu->isVisible(); }));
    QTest::keyClick(controls.bankMenu, Qt::Key_Escape);
    EXPECT_FALSE(controls.bankMenu->isVisible());
    EXPECT_TRUE(controls.题库1->isChecked());
    EXPECT_FALSE(controls.题库2->isChecked() || controls.题库3->isChecked());

    QTest::mouseClick(controls.按钮11, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return controls.musicMenu->isVisible(); }));
    QTest::keyClick(controls.musicMenu, Qt::Key_Escape);
    EXPECT_TRUE(controls.背景音乐->isChecked());
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(state.questionCount, 2);
}

TEST_F(EventBindingsTest, musicItemsFlipTheSwitchAndPlaySongs)
{
    controls.songItems[3]->trigger();
    EXPECT_EQ(log.events, (std::vector<std::string>{"sound file 记事本.mid +loop"}));
    controls.背景音乐->trigger();
    EXPECT_FALSE(controls.背景音乐->isChecked());
    controls.songItems[0]->trigger();
    EXPECT_EQ(log.events, (std::vector<std::string>{"sound file 记事本.mid +loop", "sound stop"}));
    controls.背景音乐->trigger();
    EXPECT_TRUE(controls.背景音乐->isChecked());
}

TEST_F(EventBindingsTest, enterInTheGuessBoxSubmitsTheGuess)
{
    QTest::mouseClick(controls.按钮3, Qt::LeftButton);
    controls.答案->setFocus();
    controls.答案->setText(QStringLiteral("甲"));
    QTest::keyClick(controls.答案, Qt::Key_Return);
    EXPECT_EQ(controls.标签5->text(), QStringLiteral("答对了，好棒啊！"));
    EXPECT_FALSE(controls.图片框1->pixmap().isNull());
    EXPECT_TRUE(controls.答案->text().isEmpty());
    EXPECT_EQ(controls.编辑框1->toPlainText(), QStringLiteral("甲"));

    controls.答案->setText(QStringLiteral("丁"));
    QTest::keyClick(controls.答案, Qt::Key_Enter);
    EXPECT_EQ(controls.标签5->text(), QStringLiteral("答错了，要努力哦！"));
    EXPECT_EQ(controls.编辑框1->toPlainText(), QStringLiteral("甲"));
}

TEST_F(EventBindingsTest, enterWhileAnInputMethodComposesDoesNotSubmit)
{
    QTest::mouseClick(controls.按钮3, Qt::LeftButton);
    controls.答案->setText(QStringLiteral("甲"));
    QInputMethodEvent composing(QStringLiteral("yi"), {});
    QApplication::sendEvent(controls.答案, &composing);
    QTest::keyClick(controls.答案, Qt::Key_Return);
    EXPECT_TRUE(controls.标签5->text().isEmpty());

    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("乙"));
    QApplication::sendEvent(controls.答案, &committed);
    QTest::keyClick(controls.答案, Qt::Key_Return);
    EXPECT_EQ(controls.标签5->text(), QStringLiteral("答错了，要努力哦！"));
}

TEST_F(EventBindingsTest, hugeAndStrangeGuessesAreJudgedWrong)
{
    const QString guesses[] = {
        QString(1 << 20, u'甲'),      // a megabyte pasted into the box
        QStringLiteral("甲\u0001\t"), // control characters
        QStringLiteral("甲😀"),        // no GBK form
        QStringLiteral("\u200B甲"),   // an invisible space
    };
    for (const QString &guess : guesses) {
        QTest::mouseClick(controls.按钮7, Qt::LeftButton);
        controls.答案->setText(guess);
        QTest::mouseClick(controls.按钮1, Qt::LeftButton);
        EXPECT_EQ(controls.标签5->text(), QStringLiteral("答错了，要努力哦！")) << guess.size();
        EXPECT_EQ(controls.编辑框1->toPlainText(), QStringLiteral("甲"));
        EXPECT_TRUE(controls.答案->text().isEmpty());
    }
}

TEST_F(EventBindingsTest, hugeAndStrangeNumbersAreRefusedWithTheRange)
{
    const QString typed[] = {QString(1 << 20, u'9'), QStringLiteral("😀"), QStringLiteral("1\u00002"),
                             QStringLiteral("\u0007")};
    for (const QString &number : typed) {
        controls.编辑框2->setText(number);
        answerNextMessage();
        QTest::mouseClick(controls.按钮6, Qt::LeftButton);
    }
    EXPECT_EQ(messages, QStringList(std::size(typed), QStringLiteral("请输入 1 到 2 之间的题号。")));
    EXPECT_EQ(controls.题目->toPlainText().left(4), QStringLiteral("    "));
}

TEST_F(EventBindingsTest, timerTicksRunTheCountdown)
{
    QTest::mouseClick(controls.按钮3, Qt::LeftButton);
    QMetaObject::invokeMethod(controls.时钟1, "timeout");
    EXPECT_EQ(controls.标签4->text(), QStringLiteral("29"));
}

TEST_F(EventBindingsTest, exitButtonClosesTheWindowEvenWhileCountingDown)
{
    window.show();
    QTest::mouseClick(controls.按钮3, Qt::LeftButton);
    ASSERT_TRUE(controls.时钟1->isActive());
    QTest::mouseClick(controls.按钮12, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

}
}
