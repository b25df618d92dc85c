#include "app/teaser_program.h"

#include "support/scratch_directory.h"
#include "support/window_controls.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>

namespace teaser::testing {
namespace {

TEST(TeaserProgramTest, startUpLoadsTheFirstBankAfterThePaintAndShowsNoQuestion)
{
    ScratchDirectory directory;
    std::ofstream(directory.path() / "date.dat", std::ios::binary) << "2\r\n1.Q1\r\nA1\r\n2.Q2\r\nA2\r\n";
    TeaserProgram program(directory.path());
    EXPECT_EQ(program.quiz().state.questionCount, 0);

    program.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.quiz().state.questionCount == 2; }, 5000));
    MainWindow &window = program.window();
    const WindowControls controls{window};
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(controls.题目->toPlainText().contains(QStringLiteral("欢迎使用")));
    EXPECT_EQ(controls.标签4->text(), QStringLiteral("30"));
    EXPECT_FALSE(controls.时钟1->isActive());
    EXPECT_EQ(program.quiz().state.currentNumber, 0);
    EXPECT_TRUE(controls.题库1->isChecked());
    EXPECT_TRUE(controls.背景音乐->isChecked());
}

}
}
