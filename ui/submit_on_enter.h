#pragma once

#include <QObject>

class QAbstractButton;

namespace teaser {

// Makes Enter in an edit box click a button, as a dialog's default button
// would; an Enter that an input method takes to finish its composition is
// left to the input method.
class SubmitOnEnter final : public QObject {
public:
    SubmitOnEnter(QAbstractButton *button, QObject *editBox);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractButton *button_;
    bool composing_ = false;
};

}
