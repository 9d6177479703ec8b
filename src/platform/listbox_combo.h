#pragma once
// The combo box: an edit field over a drop-down list (the system's combo boxes all take typed
// text). Items as in the list box (listbox_model.h), Text, ListIndex and Click.
//
// Click runs when the user picks an entry (busy-gated), also the entry already chosen, and when
// ListIndex is assigned a different value in code (always). Picking or assigning an entry puts
// its text in the edit field; ListIndex -1 empties it. Assigning Text, or typing, leaves no entry
// chosen (ListIndex -1). Adding or removing items never changes Text.

#include "platform/control_windowed.h"
#include "platform/listbox_model.h"

class QComboBox;

namespace platform {

class ComboBox : public WindowedControl {
public:
    ComboBox(Container& container, std::string name);
    ~ComboBox() override;

    void addItem(std::string item);
    void addItem(std::string item, int index);
    void removeItem(int index);
    void clear();

    int listCount() const { return items_.count(); }
    std::string list(int index) const { return items_.list(index); }

    int listIndex() const { return items_.listIndex(); }
    void setListIndex(int index);
    const std::string& text() const { return text_; }
    void setText(std::string text);

private:
    QComboBox* combo() const;
    void showState();
    void userPicked(int row);

    ListItems items_;
    std::string text_;
};

} // namespace platform
