#include "support/window_controls.h"
#include "ui/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

namespace teaser {
namespace {

struct ControlRow {
    const char *name;
    const char *kind;
    QRect geometry;
    QString content;
};

QString contentOf(QWidget *control)
{
    if (auto *box = qobject_cast<QPlainTextEdit *>(control))
        return box->toPlainText();
    if (auto *line = qobject_cast<QLineEdit *>(control))
        return line->text();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    return {};
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindow window;
    testing::WindowControls controls{window};
};

TEST_F(MainWindowTest, everyControlHasItsNameKindPlaceAndContent)
{
    const ControlRow rows[] = {
        {"题目", "QPlainTextEdit", {4, 12, 284, 91}, {}},
        {"图片框1", "QLabel", {312, 20, 32, 32}, ""},
        {"标签5", "QLabel", {296, 68, 72, 40}, ""},
        {"标签1", "QLabel", {5, 122, 40, 24}, "答案："},
        {"编辑框1", "QPlainTextEdit", {44, 110, 332, 30}, "岚石工作室祝你笑口常开，身体健康！"},
        {"标签2", "QLabel", {4, 155, 32, 24}, "回答："},
        {"答案", "QLineEdit", {44, 155, 272, 20}, ""},
        {"按钮1", "QPushButton", {324, 150, 48, 24}, "提交"},
        {"标签3", "QLabel", {4, 182, 64, 24}, "直接到？题"},
        {"编辑框2", "QLineEdit", {76, 186, 48, 20}, "1"},
        {"按钮6", "QPushButton", {140, 182, 24, 24}, "GO"},
        {"标签4", "QLabel", {192, 187, 24, 16}, "30"},
        {"选择框1", "QCheckBox", {256, 187, 14, 14}, "去掉倒记时"},
        {"标签6", "QLabel", {272, 185, 88, 16}, "禁止倒记时"},
        {"按钮4", "QPushButton", {4, 210, 70, 30}, "随机出题"},
        {"按钮7", "QPushButton", {77, 210, 50, 30}, "第一题"},
        {"按钮2", "QPushButton", {134, 210, 50, 30}, "上一题"},
        {"按钮3", "QPushButton", {193, 210, 50, 30}, "下一题"},
        {"按钮8", "QPushButton", {248, 210, 50, 30}, "第末题"},
        {"按钮5", "QPushButton", {308, 210, 70, 30}, "看答案"},
        {"按钮10", "QPushButton", {96, 243, 80, 30}, "题库选择"},
        {"按钮11", "QPushButton", {192, 243, 80, 30}, "背景音乐"},
        {"按钮12", "QPushButton", {284, 243, 80, 30}, "退出"},
    };
    const auto *group = window.findChild<QGroupBox *>(QStringLiteral("分组框1"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->geometry(), QRect(0, -7, 384, 280));
    EXPECT_TRUE(group->title().isEmpty());

    for (const ControlRow &row : rows) {
        const QString name = QString::fromUtf8(row.name);
        auto *control = window.findChild<QWidget *>(name);
        ASSERT_NE(control, nullptr) << row.name;
        EXPECT_EQ(control->parentWidget(), group) << row.name;
        EXPECT_STREQ(control->metaObject()->className(), row.kind) << row.name;
        EXPECT_EQ(control->geometry(), row.geometry) << row.name;
        if (!row.content.isNull()) {
            EXPECT_EQ(contentOf(control), row.content) << row.name;
        }
        EXPECT_TRUE(control->isEnabled()) << row.name;
    }
    EXPECT_EQ(group->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(), qsizetype(std::size(rows)));
}

TEST_F(MainWindowTest, questionBoxStartsWithTheWelcomeText)
{
    const QString welcome = controls.题目->toPlainText();
    EXPECT_TRUE(welcome.startsWith(QString(10, u' ') + QStringLiteral("欢迎使用 - 岚石脑筋急转弯2.0")
                                   + QString(13, u' ') + QStringLiteral("有没有碰到过别人出脑筋急转弯")));
    EXPECT_TRUE(welcome.endsWith(QStringLiteral("就开始这个有趣的征程吧！")));
    EXPECT_FALSE(welcome.contains(u'\n'));
}

TEST_F(MainWindowTest, editBoxesTakeTextOnlyWhereTheUserTypes)
{
    EXPECT_TRUE(controls.题目->isReadOnly());
    EXPECT_TRUE(controls.编辑框1->isReadOnly());
    EXPECT_FALSE(controls.答案->isReadOnly());
    EXPECT_FALSE(controls.编辑框2->isReadOnly());
    for (QWidget *control :
         std::initializer_list<QWidget *>{controls.题目, controls.编辑框1, controls.答案, controls.编辑框2,
                                          controls.选择框1, controls.按钮1, controls.按钮12})
        EXPECT_NE(control->focusPolicy(), Qt::NoFocus) << control->objectName().toStdString();
    for (QWidget *control :
         std::initializer_list<QWidget *>{controls.标签4, controls.标签5, controls.图片框1, controls.分组框1})
        EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << control->objectName().toStdString();
}

TEST_F(MainWindowTest, startsWithTheCountdownStoppedAndNothingJudged)
{
    EXPECT_FALSE(controls.时钟1->isActive());
    EXPECT_FALSE(controls.选择框1->isChecked());
    EXPECT_TRUE(controls.图片框1->pixmap().isNull());
    EXPECT_TRUE(controls.标签5->wordWrap());
}

TEST_F(MainWindowTest, labelsUseSongStyleFontsAtTheirHeights)
{
    const std::pair<QLabel *, int> rows[] = {{controls.标签6, 12}, {controls.标签4, 19}, {controls.标签5, 14}};
    for (const auto &[label, height] : rows) {
        const QFont font = label->font();
        EXPECT_EQ(font.pixelSize(), height) << label->objectName().toStdString();
        EXPECT_EQ(font.weight(), QFont::Normal);
        EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
        const QString family = QFontInfo(font).family();
        EXPECT_TRUE(family.contains(QStringLiteral("Serif CJK")) || family.contains(QStringLiteral("UMing"))
                    || family == QStringLiteral("SimSun") || family == QStringLiteral("宋体"))
            << family.toStdString();
    }
    EXPECT_EQ(controls.按钮3->font().pixelSize(), 12);
}

TEST_F(MainWindowTest, windowHasItsTitleFixedSizeAndNoMenuBar)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("岚石脑筋急转弯2.0"));
    const QList<QSize> iconSizes = window.windowIcon().availableSizes();
    for (const int side : {16, 32, 48, 64, 72, 128})
        EXPECT_TRUE(iconSizes.contains(QSize(side, side))) << "icon size " << side;
    EXPECT_EQ(window.size(), QSize(384, 273));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(236, 236, 236));
    EXPECT_EQ(controls.题目->palette().color(QPalette::Base), QColor(Qt::white));
    // The bottom row ends 266 pixels below the top of the client area, inside it.
    EXPECT_EQ(controls.按钮12->mapTo(&window, QPoint(0, controls.按钮12->height())).y(), 266);
    EXPECT_GE(window.height(), 266);
    EXPECT_GE(window.width(), controls.按钮5->mapTo(&window, QPoint(controls.按钮5->width(), 0)).x());
}

TEST_F(MainWindowTest, tabOrderFollowsTheRowsFromTopLeft)
{
    const std::vector<QWidget *> rows{controls.题目,    controls.编辑框1, controls.答案,    controls.按钮1,
                                      controls.编辑框2, controls.按钮6,   controls.选择框1, controls.按钮4,
                                      controls.按钮7,   controls.按钮2,   controls.按钮3,   controls.按钮8,
                                      controls.按钮5,   controls.按钮10,  controls.按钮11,  controls.按钮12};
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        QWidget *next = rows[i]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        EXPECT_EQ(next, rows[i + 1]) << rows[i]->objectName().toStdString() << " is followed by "
                                     << next->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, everyControlHasANameToSpeak)
{
    EXPECT_EQ(controls.选择框1->accessibleName(), QStringLiteral("禁止倒记时"));
    for (QWidget *control : controls.分组框1->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        if (control == controls.标签5)
            continue; // empty until a verdict is shown
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << control->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, reportsItsFirstPaintOnce)
{
    QSignalSpy painted(&window, &MainWindow::firstPainted);
    window.grab();
    window.grab();
    EXPECT_EQ(painted.count(), 1);
}

TEST_F(MainWindowTest, menusHoldTheirItemsWithTheStartingMarks)
{
    EXPECT_EQ(controls.bankMenu->title(), QStringLiteral("题库"));
    EXPECT_EQ(controls.musicMenu->title(), QStringLiteral("音乐"));
    QStringList bankCaptions;
    for (QAction *item : controls.bankMenu->actions())
        bankCaptions << item->text();
    EXPECT_EQ(bankCaptions, (QStringList{QStringLiteral("题库1(题数300)"), QStringLiteral("题库2(题数502)"),
                                         QStringLiteral("题库3(题数1262)")}));
    EXPECT_TRUE(controls.题库1->isChecked());
    EXPECT_FALSE(controls.题库2->isChecked());
    EXPECT_FALSE(controls.题库3->isChecked());

    QStringList musicCaptions;
    for (QAction *item : controls.musicMenu->actions())
        musicCaptions << item->text();
    EXPECT_EQ(musicCaptions,
              (QStringList{QStringLiteral("背景音乐"), QStringLiteral("情非得以"), QStringLiteral("灌篮高手"),
                           QStringLiteral("很爱很爱你"), QStringLiteral("记事本"), QStringLiteral("爱一个人"),
                           QStringLiteral("天若有情"), QStringLiteral("三角志")}));
    EXPECT_TRUE(controls.背景音乐->isChecked());
    for (QAction *song : controls.songItems)
        EXPECT_FALSE(song->isCheckable()) << song->text().toStdString();
}

}
}
