#pragma once
// Command buttons, check boxes and option buttons.
//
// A user's click raises Click (busy-gated like every user event); assigning a check box's or an
// option button's Value in code raises Click as well when the value changes, as a program event
// that always runs. MouseUp runs after the widget has taken its new value.
//
// Check box Value: 0 unchecked, 1 checked, 2 greyed; a click of the user makes a checked box
// unchecked and any other checked. Option buttons are exclusive within their container: the one
// set (by the user or in code) clears the others; a click on the one already set raises Click
// again. A command button shows its Picture only with Style 1 (graphical).

#include "platform/control_windowed.h"

#include <QImage>

class QAbstractButton;

namespace platform {

class ButtonControl : public WindowedControl {
public:
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

protected:
    ButtonControl(Container& container, std::string name);
    void attachButton(QAbstractButton* button);
    QAbstractButton* button() const;

private:
    std::string caption_;
};

class CommandButton : public ButtonControl {
public:
    CommandButton(Container& container, std::string name);

    const QImage& picture() const { return picture_; }
    void setPicture(QImage picture);
    // 0 standard, 1 graphical; anything else is fault 380.
    int style() const { return style_; }
    void setStyle(int style);

private:
    void showPicture();

    QImage picture_;
    int style_ = 0;
};

class CheckBox : public ButtonControl {
public:
    CheckBox(Container& container, std::string name);

    int value() const { return value_; }
    // 0, 1 or 2; anything else is fault 380.
    void setValue(int value);

private:
    void userToggle();
    void showValue();

    int value_ = 0;
};

class OptionButton : public ButtonControl {
public:
    OptionButton(Container& container, std::string name);

    bool value() const { return value_; }
    void setValue(bool value);

private:
    void userSelect();
    void select();

    bool value_ = false;
};

} // namespace platform
