#include "ui/event_bindings.h"

#include "banks/bank_selection.h"
#include "quiz/answers.h"
#include "quiz/countdown.h"
#include "quiz/navigation.h"
#include "sound/music_menu.h"
#include "ui/event_guard.h"
#include "ui/main_window.h"
#include "ui/window_parts.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>

namespace teaser {

namespace {

template <typename Handler> void onClick(MainWindow &window, Button button, Handler handler)
{
    QObject::connect(window.button(button), &QPushButton::clicked, &window, handler);
}

// The handlers own the check marks, so the mark Qt flips on a click is put
// back before the handler runs.
template <typename Handler> void onChoose(QAction *item, Handler handler)
{
    QObject::connect(item, &QAction::triggered, item, [item, handler](bool checked) {
        if (item->isCheckable())
            item->setChecked(!checked);
        guarded("a menu item", handler);
    });
}

}

void bindEvents(MainWindow &window, QuizContext &quiz)
{
    const auto run = [&quiz](const char *what, void (*handler)(QuizContext &)) {
        return [&quiz, what, handler] { guarded(what, [&] { handler(quiz); }); };
    };
    onClick(window, Button::按钮4, run("Random question", RandomQuestion));
    onClick(window, Button::按钮7, run("First question", FirstQuestion));
    onClick(window, Button::按钮2, run("Previous question", PreviousQuestion));
    onClick(window, Button::按钮3, run("Next question", NextQuestion));
    onClick(window, Button::按钮8, run("Last question", LastQuestion));
    onClick(window, Button::按钮6, run("Go to number", GoToNumber));
    onClick(window, Button::按钮5, run("Show answer", ShowAnswer));
    onClick(window, Button::按钮1, run("Judge guess", JudgeGuess));
    QObject::connect(window.countdownTimer(), &QTimer::timeout, &window, run("Countdown tick", CountdownTick));

    onClick(window, Button::按钮10, [&window] { window.popUp(PopUpMenu::题库); });
    onClick(window, Button::按钮11, [&window] { window.popUp(PopUpMenu::音乐); });
    onClick(window, Button::按钮12, [&window] { window.close(); });

    onChoose(window.menuItem(MenuItem::题库1), [&quiz] { SelectBank(quiz, Bank::first); });
    onChoose(window.menuItem(MenuItem::题库2), [&quiz] { SelectBank(quiz, Bank::second); });
    onChoose(window.menuItem(MenuItem::题库3), [&quiz] { SelectBank(quiz, Bank::third); });
    onChoose(window.menuItem(MenuItem::背景音乐), [&quiz] { ToggleMusic(quiz); });
    for (const Song song : allSongs)
        onChoose(window.songItem(song), [&quiz, song] { PlaySong(quiz, song); });
}

}
