// The quiz logic's view of the main window, over its real widgets. Texts
// cross from GBK to Unicode and back here.
#pragma once

#include "core/window.h"

namespace teaser {

class MainWindow;

class WidgetWindow final : public Window {
public:
    explicit WidgetWindow(MainWindow &window);

    void setText(TextBox box, std::string_view gbk) override;
    TypedText text(TextBox box) const override;
    void setCaption(Label label, std::string_view gbk) override;
    void setPicture(VerdictPicture picture) override;
    void setTimerInterval(int milliseconds) override;
    bool isNoCountdownChecked() const override;
    bool isChecked(MenuItem item) const override;
    void setChecked(MenuItem item, bool checked) override;
    void showMessage(MessageIcon icon, std::string_view gbk) override;

private:
    MainWindow &window_;
};

}
