// The main window: builds the controls and the two pop-up menus. It holds no
// quiz rule; ui/event_bindings.cpp connects its events to the handlers and
// WidgetWindow carries out the quiz's operations on its controls.
#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace teaser {

// Declared in core/window.h, sound/song_list.h and ui/window_parts.h, which
// moc is kept from: it cannot read identifiers written in Chinese.
enum class MenuItem;
enum class Song;
enum class Button;
enum class PopUpMenu;

class MainWindow final : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    // What the event bindings connect to. Every control also carries its
    // name as its object name, which is how the tests find them.
    QPushButton *button(Button which) const;
    QAction *menuItem(MenuItem item) const;
    QAction *songItem(Song song) const;
    QTimer *countdownTimer() const { return 时钟1; }

    // Shows the menu just below the button that opens it.
    void popUp(PopUpMenu menu);

signals:
    // Once, when the window has been painted for the first time.
    void firstPainted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class WidgetWindow;

    void createControls();
    void nameControlsForScreenReaders();
    void createMenus();

    // Controls, named as the window defines them; owned through Qt parents.
    QGroupBox *分组框1 = nullptr;
    QPlainTextEdit *题目 = nullptr;
    QLabel *图片框1 = nullptr;
    QLabel *标签5 = nullptr;
    QLabel *标签1 = nullptr;
    QPlainTextEdit *编辑框1 = nullptr;
    QLabel *标签2 = nullptr;
    QLineEdit *答案 = nullptr;
    QPushButton *按钮1 = nullptr;
    QLabel *标签3 = nullptr;
    QLineEdit *编辑框2 = nullptr;
    QPushButton *按钮6 = nullptr;
    QLabel *标签4 = nullptr;
    QTimer *时钟1 = nullptr;
    QCheckBox *选择框1 = nullptr;
    QLabel *标签6 = nullptr;
    QPushButton *按钮4 = nullptr;
    QPushButton *按钮7 = nullptr;
    QPushButton *按钮2 = nullptr;
    QPushButton *按钮3 = nullptr;
    QPushButton *按钮8 = nullptr;
    QPushButton *按钮5 = nullptr;
    QPushButton *按钮10 = nullptr;
    QPushButton *按钮11 = nullptr;
    QPushButton *按钮12 = nullptr;

    // "题库" (opened by 按钮10) and "音乐" (opened by 按钮11).
    QMenu *bankMenu = nullptr;
    QAction *题库1 = nullptr;
    QAction *题库2 = nullptr;
    QAction *题库3 = nullptr;
    QMenu *musicMenu = nullptr;
    QAction *背景音乐 = nullptr;
    QList<QAction *> songItems; // in menu order, below 背景音乐

    bool painted_ = false;
};

}
