#pragma once
// The text box: Text, a single line or MultiLine (fixed when the box is made), Locked (read
// only), the Change event and KeyPress. Change runs whenever the text changes, by the user
// (busy-gated) or by an assignment in code (always). KeyPress gets the typed character's code
// before the box takes it; setting it to 0 swallows the key (other codes are taken as typed).
// A multi-line box holds its lines with CR LF in Text.

#include "platform/control_windowed.h"

#include <functional>

namespace platform {

class TextBox : public WindowedControl {
public:
    std::function<void()> onChange;
    std::function<void(int& keyAscii)> onKeyPress;

    TextBox(Container& container, std::string name, bool multiLine = false);

    const std::string& text() const { return text_; }
    void setText(std::string text);
    bool multiLine() const { return multiLine_; }
    bool locked() const { return locked_; }
    void setLocked(bool locked);

protected:
    bool keyTyped(int& keyAscii) override;

private:
    void userEdited(const QString& shown);
    void raiseChange();

    std::string text_;
    bool multiLine_;
    bool locked_ = false;
};

} // namespace platform
