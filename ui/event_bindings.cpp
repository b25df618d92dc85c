#include "ui/event_bindings.h"

#include "banks/bank_selection.h"
#include "quiz/answers.h"
#include "quiz/navigation.h"
#include "sound/songs.h"
#include "ui/main_window.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>

namespace teaser {

namespace {

void onClick(QPushButton *button, QuizContext &quiz, void (*handler)(QuizContext &))
{
    QObject::connect(button, &QPushButton::clicked, button, [&quiz, handler] { handler(quiz); });
}

// The handlers own the check marks, so the mark Qt flips on a click is put
// back before the handler runs.
template <typename Handler>
void onChoose(QAction *item, Handler handler)
{
    QObject::connect(item, &QAction::triggered, item, [item, handler](bool checked) {
        if (item->isCheckable())
            item->setChecked(!checked);
        handler();
    });
}

}

void bindEvents(MainWindow &window, QuizContext &quiz)
{
    onClick(window.按钮4, quiz, RandomQuestion);
    onClick(window.按钮7, quiz, FirstQuestion);
    onClick(window.按钮2, quiz, PreviousQuestion);
    onClick(window.按钮3, quiz, NextQuestion);
    onClick(window.按钮8, quiz, LastQuestion);
    onClick(window.按钮6, quiz, GoToNumber);
    onClick(window.按钮5, quiz, ShowAnswer);
    onClick(window.按钮1, quiz, JudgeGuess);
    QObject::connect(window.时钟1, &QTimer::timeout, window.时钟1, [&quiz] { CountdownTick(quiz); });

    MainWindow *target = &window;
    QObject::connect(window.按钮10, &QPushButton::clicked, target,
                     [target] { target->popUp(target->bankMenu, target->按钮10); });
    QObject::connect(window.按钮11, &QPushButton::clicked, target,
                     [target] { target->popUp(target->musicMenu, target->按钮11); });
    QObject::connect(window.按钮12, &QPushButton::clicked, target, &QWidget::close);

    onChoose(window.题库1, [&quiz] { SelectBank(quiz, Bank::first); });
    onChoose(window.题库2, [&quiz] { SelectBank(quiz, Bank::second); });
    onChoose(window.题库3, [&quiz] { SelectBank(quiz, Bank::third); });
    onChoose(window.背景音乐, [&quiz] { ToggleMusic(quiz); });
    for (std::size_t i = 0; i < allSongs.size(); ++i) {
        const Song song = allSongs[i];
        onChoose(window.songItems[qsizetype(i)], [&quiz, song] { PlaySong(quiz, song); });
    }
}

}
