#include "app/teaser_program.h"

#include "support/scratch_directory.h"
#include "support/window_controls.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>

namespace teaser::testing {
namespace {

TEST(TeaserProgramTest, theFirstBankIsInPlaceBeforeTheWindowTakesAClick)
{
    ScratchDirectory directory;
    std::ofstream(directory.path() / "date.dat", std::ios::binary) << "2\r\n1.Q1\r\nA1\r\n2.Q2\r\nA2\r\n";
    TeaserProgram program(directory.path());
    EXPECT_EQ(program.quiz().state.questionCount, 0);

    program.start();
    EXPECT_EQ(program.quiz().state.questionCount, 2);
    MainWindow &window = program.window();
    const WindowControls controls{window};
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(controls.题目->toPlainText().contains(QStringLiteral("欢迎使用")));
    EXPECT_EQ(controls.标签4->text(), QStringLiteral("30"));
    EXPECT_FALSE(controls.时钟1->isActive());
    EXPECT_EQ(program.quiz().state.currentNumber, 0);
    EXPECT_TRUE(controls.题库1->isChecked());
    EXPECT_TRUE(controls.背景音乐->isChecked());

    // A click at the first moment, before anything has been painted.
    controls.按钮3->click();
    EXPECT_EQ(controls.题目->toPlainText(), QStringLiteral("1.Q1"));
}

TEST(TeaserProgramTest, anUnusableFirstBankIsToldOverTheWindow)
{
    ScratchDirectory directory;
    TeaserProgram program(directory.path());
    QString shown;
    bool windowWasUp = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            windowWasUp = program.window().isVisible();
            box->accept();
        }
    });
    watcher.start(10);
    program.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 5000));
    EXPECT_TRUE(shown.contains(QStringLiteral("date.dat"))) << shown.toStdString();
    EXPECT_TRUE(windowWasUp);
    EXPECT_EQ(program.quiz().state.questionCount, 0);
}

TEST(TeaserProgramTest, withoutAProgramFolderTheUserIsToldAndNothingIsRead)
{
    TeaserProgram program(std::nullopt);
    QString shown;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    watcher.start(10);
    program.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 5000));
    EXPECT_TRUE(shown.contains(QStringLiteral("找不到程序所在的文件夹"))) << shown.toStdString();
    EXPECT_TRUE(program.quiz().programDirectory.empty());
}

}
}
