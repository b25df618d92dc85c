#include "ui/submit_on_enter.h"

#include <QAbstractButton>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace teaser {

SubmitOnEnter::SubmitOnEnter(QAbstractButton *button, QObject *editBox)
    : QObject(editBox)
    , button_(button)
{
    editBox->installEventFilter(this);
}

bool SubmitOnEnter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::InputMethod) {
        composing_ = !static_cast<QInputMethodEvent *>(event)->preeditString().isEmpty();
    } else if (event->type() == QEvent::KeyPress && !composing_) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            button_->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}
