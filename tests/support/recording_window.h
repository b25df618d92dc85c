// A Window that records what the handlers do to it, for the handler tests.
#pragma once

#include "core/window.h"
#include "support/event_log.h"

#include <functional>
#include <map>
#include <vector>

namespace teaser::testing {

class RecordingWindow final : public Window {
public:
    explicit RecordingWindow(EventLog &log)
        : log_(log)
    {
    }

    void setText(TextBox box, std::string_view gbk) override;
    TypedText text(TextBox box) const override;
    void setCaption(Label label, std::string_view gbk) override;
    void setPicture(VerdictPicture shown) override;
    void setTimerInterval(int milliseconds) override;
    bool isNoCountdownChecked() const override { return noCountdown; }
    bool isChecked(MenuItem item) const override { return checked.at(item); }
    void setChecked(MenuItem item, bool state) override;
    void showMessage(MessageIcon icon, std::string_view gbk) override;

    // What the window shows now.
    std::map<TextBox, Text> texts;
    std::map<TextBox, bool> inexact; // typed texts that had no exact GBK form
    std::map<Label, Text> captions{{Label::标签4, "30"}, {Label::标签5, ""}};
    VerdictPicture picture = VerdictPicture::none;
    int timerInterval = 0;
    bool noCountdown = false;
    std::map<MenuItem, bool> checked{
        {MenuItem::题库1, true}, {MenuItem::题库2, false}, {MenuItem::题库3, false}, {MenuItem::背景音乐, true}};
    std::vector<std::pair<MessageIcon, Text>> messages;
    // Runs while a message box is open, as the user might act then.
    std::function<void()> whileMessageOpen;

private:
    EventLog &log_;
};

}
