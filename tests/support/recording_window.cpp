#include "support/recording_window.h"

#include "support/names.h"

namespace teaser::testing {

void RecordingWindow::setText(TextBox box, std::string_view gbk)
{
    texts[box] = Text(gbk);
    inexact[box] = false;
    log_.add("text " + name(box) + " " + std::string(gbk));
}

TypedText RecordingWindow::text(TextBox box) const
{
    const auto found = texts.find(box);
    const auto flagged = inexact.find(box);
    return {found == texts.end() ? Text() : found->second, flagged == inexact.end() || !flagged->second};
}

void RecordingWindow::setCaption(Label label, std::string_view gbk)
{
    captions[label] = Text(gbk);
    log_.add("caption " + name(label) + " " + std::string(gbk));
}

void RecordingWindow::setPicture(VerdictPicture shown)
{
    picture = shown;
    log_.add(shown == VerdictPicture::none ? "picture cleared" : "picture " + name(shown));
}

void RecordingWindow::setTimerInterval(int milliseconds)
{
    timerInterval = milliseconds;
    log_.add("timer " + std::to_string(milliseconds));
}

void RecordingWindow::setChecked(MenuItem item, bool state)
{
    checked[item] = state;
    log_.add("check " + name(item) + (state ? " on" : " off"));
}

void RecordingWindow::showMessage(MessageIcon icon, std::string_view gbk)
{
    messages.emplace_back(icon, Text(gbk));
    log_.add(std::string("message ") + (icon == MessageIcon::warning ? "warning " : "information ") + std::string(gbk));
    if (whileMessageOpen)
        whileMessageOpen();
}

}
