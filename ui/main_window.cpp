#include "ui/main_window.h"

#include "core/window.h"
#include "sound/song_list.h"
#include "ui/fonts.h"
#include "ui/submit_on_enter.h"
#include "ui/window_parts.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace teaser {

namespace {

const QColor windowColour(236, 236, 236);

// The quiz window's client area: it holds 分组框1 whole but for the seven
// pixels that lie above it, so the outer window with a classic frame and
// title bar measures 389 x 295.
constexpr QSize clientSize(384, 273);

QString welcomeText()
{
    return QString(10, u' ') + QStringLiteral("欢迎使用 - 岚石脑筋急转弯2.0") + QString(13, u' ')
           + QStringLiteral("有没有碰到过别人出脑筋急转弯，其他人都知道，就你怎么也想不出呢？"
                            "想不想训练一下脑力，在朋友面前露一手呢？"
                            "这就是一个让你迅速成为脑筋急转弯高手的软件，如果你觉得还有意思，就开始这个有趣的征程吧！");
}

template <typename Control> Control *place(QWidget *parent, const char *name, QRect geometry)
{
    auto *control = new Control(parent);
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(geometry);
    return control;
}

QLabel *placeLabel(QWidget *parent, const char *name, QRect geometry, const QString &caption)
{
    auto *label = place<QLabel>(parent, name, geometry);
    label->setText(caption);
    return label;
}

QPushButton *placeButton(QWidget *parent, const char *name, QRect geometry, const QString &caption)
{
    auto *button = place<QPushButton>(parent, name, geometry);
    button->setText(caption);
    return button;
}

QPlainTextEdit *placeReadOnlyBox(QWidget *parent, const char *name, QRect geometry, const QString &text)
{
    auto *box = place<QPlainTextEdit>(parent, name, geometry);
    box->setReadOnly(true);
    box->setPlainText(text);
    return box;
}

void paintBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paintWhiteBox(QWidget *box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

QAction *addItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QString::fromUtf8(name));
    return item;
}

QAction *addCheckItem(QMenu *menu, const char *name, const QString &caption, bool checked)
{
    QAction *item = addItem(menu, name, caption);
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

QMenu *addMenu(QWidget *window, const char *name)
{
    auto *menu = new QMenu(QString::fromUtf8(name), window);
    menu->setObjectName(QString::fromUtf8(name));
    return menu;
}

}

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("岚石脑筋急转弯2.0"));
    setWindowIcon(QIcon(QStringLiteral(":/ui/icons/teaser.ico")));
    setFont(defaultControlFont());
    paintBackground(this, windowColour);
    createControls();
    nameControlsForScreenReaders();
    createMenus();
    setFixedSize(clientSize);
    move(50, 50);
}

void MainWindow::createControls()
{
    分组框1 = place<QGroupBox>(this, "分组框1", {0, -7, 384, 280});
    paintBackground(分组框1, windowColour);
    分组框1->installEventFilter(this);
    QWidget *box = 分组框1;

    题目 = placeReadOnlyBox(box, "题目", {4, 12, 284, 91}, welcomeText());
    图片框1 = place<QLabel>(box, "图片框1", {312, 20, 32, 32});
    标签5 = placeLabel(box, "标签5", {296, 68, 72, 40}, {});
    标签5->setWordWrap(true);
    标签5->setFont(songFont(14));
    标签1 = placeLabel(box, "标签1", {5, 122, 40, 24}, QStringLiteral("答案："));
    编辑框1 =
        placeReadOnlyBox(box, "编辑框1", {44, 110, 332, 30}, QStringLiteral("岚石工作室祝你笑口常开，身体健康！"));
    标签2 = placeLabel(box, "标签2", {4, 155, 32, 24}, QStringLiteral("回答："));
    答案 = place<QLineEdit>(box, "答案", {44, 155, 272, 20});
    按钮1 = placeButton(box, "按钮1", {324, 150, 48, 24}, QStringLiteral("提交"));
    new SubmitOnEnter(按钮1, 答案);
    标签3 = placeLabel(box, "标签3", {4, 182, 64, 24}, QStringLiteral("直接到？题"));
    编辑框2 = place<QLineEdit>(box, "编辑框2", {76, 186, 48, 20});
    编辑框2->setText(QStringLiteral("1"));
    编辑框2->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    按钮6 = placeButton(box, "按钮6", {140, 182, 24, 24}, QStringLiteral("GO"));
    标签4 = placeLabel(box, "标签4", {192, 187, 24, 16}, QStringLiteral("30"));
    标签4->setFont(songFont(19));
    时钟1 = new QTimer(this);
    时钟1->setObjectName(QStringLiteral("时钟1"));
    选择框1 = place<QCheckBox>(box, "选择框1", {256, 187, 14, 14});
    选择框1->setText(QStringLiteral("去掉倒记时"));
    标签6 = placeLabel(box, "标签6", {272, 185, 88, 16}, QStringLiteral("禁止倒记时"));
    标签6->setFont(songFont(12));
    按钮4 = placeButton(box, "按钮4", {4, 210, 70, 30}, QStringLiteral("随机出题"));
    按钮7 = placeButton(box, "按钮7", {77, 210, 50, 30}, QStringLiteral("第一题"));
    按钮2 = placeButton(box, "按钮2", {134, 210, 50, 30}, QStringLiteral("上一题"));
    按钮3 = placeButton(box, "按钮3", {193, 210, 50, 30}, QStringLiteral("下一题"));
    按钮8 = placeButton(box, "按钮8", {248, 210, 50, 30}, QStringLiteral("第末题"));
    按钮5 = placeButton(box, "按钮5", {308, 210, 70, 30}, QStringLiteral("看答案"));
    按钮10 = placeButton(box, "按钮10", {96, 243, 80, 30}, QStringLiteral("题库选择"));
    按钮11 = placeButton(box, "按钮11", {192, 243, 80, 30}, QStringLiteral("背景音乐"));
    按钮12 = placeButton(box, "按钮12", {284, 243, 80, 30}, QStringLiteral("退出"));

    paintWhiteBox(题目);
    paintWhiteBox(编辑框1);
    paintWhiteBox(答案);
    paintWhiteBox(编辑框2);
}

// Labels and buttons are read out by their text; these controls show no
// text that says what they are.
void MainWindow::nameControlsForScreenReaders()
{
    题目->setAccessibleName(QStringLiteral("题目"));
    编辑框1->setAccessibleName(QStringLiteral("答案"));
    答案->setAccessibleName(QStringLiteral("回答"));
    编辑框2->setAccessibleName(QStringLiteral("直接到第几题"));
    选择框1->setAccessibleName(QStringLiteral("禁止倒记时"));
    图片框1->setAccessibleName(QStringLiteral("没有判定"));
    标签4->setAccessibleDescription(QStringLiteral("倒计时剩下的秒数"));
}

void MainWindow::createMenus()
{
    bankMenu = addMenu(this, "题库");
    题库1 = addCheckItem(bankMenu, "题库1", QStringLiteral("题库1(题数300)"), true);
    题库2 = addCheckItem(bankMenu, "题库2", QStringLiteral("题库2(题数502)"), false);
    题库3 = addCheckItem(bankMenu, "题库3", QStringLiteral("题库3(题数1262)"), false);

    musicMenu = addMenu(this, "音乐");
    背景音乐 = addCheckItem(musicMenu, "背景音乐", QStringLiteral("背景音乐"), true);
    for (const Song song : allSongs) {
        const std::u8string_view name = songName(song);
        const std::string caption(name.begin(), name.end());
        songItems.append(addItem(musicMenu, caption.c_str(), QString::fromStdString(caption)));
    }
}

QPushButton *MainWindow::button(Button which) const
{
    // In the order of Button.
    QPushButton *const buttons[] = {按钮1, 按钮2, 按钮3, 按钮4, 按钮5, 按钮6, 按钮7, 按钮8, 按钮10, 按钮11, 按钮12};
    return buttons[std::size_t(which)];
}

QAction *MainWindow::menuItem(MenuItem item) const
{
    // In the order of MenuItem.
    QAction *const items[] = {题库1, 题库2, 题库3, 背景音乐};
    return items[std::size_t(item)];
}

QAction *MainWindow::songItem(Song song) const
{
    const auto at = std::find(allSongs.begin(), allSongs.end(), song) - allSongs.begin();
    return songItems.at(qsizetype(at));
}

void MainWindow::popUp(PopUpMenu which)
{
    QMenu *menu = which == PopUpMenu::题库 ? bankMenu : musicMenu;
    QPushButton *opener = which == PopUpMenu::题库 ? 按钮10 : 按钮11;
    menu->popup(opener->mapToGlobal(QPoint(0, opener->height())));
}

// 分组框1 covers the whole window, so its paint is the window's first paint.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == 分组框1 && event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        emit firstPainted();
    }
    return QWidget::eventFilter(watched, event);
}

}
