#pragma once
// The list box: items (AddItem, RemoveItem, Clear, List(i), ListCount), the selection ListIndex
// (-1 none) and Selected(i), and the events Click, DblClick, MouseDown and MouseUp.
//
// A list box made hidden (a data list such as the label coordinates or the problem keys) has no
// widget: its items are a plain vector (listbox_model.h). The widget and its model are made the
// first time the list is shown.
//
// Click runs whenever ListIndex changes: by the user (busy-gated; a press selects the row under
// the mouse before MouseDown runs, so MouseDown sees the pressed entry) or by an assignment in
// code (always). The items, the selection and their faults are those of ListItems.

#include "platform/control_windowed.h"
#include "platform/listbox_model.h"

namespace platform {

class ListBox : public WindowedControl {
public:
    // `visible` is the design-time Visible: a hidden list box makes no widget until shown.
    ListBox(Container& container, std::string name, bool visible = true);
    ~ListBox() override;

    // Adds at the end, or before `index` (0..ListCount, fault 5 otherwise).
    void addItem(std::string item);
    void addItem(std::string item, int index);
    // Fault 5 outside 0..ListCount-1.
    void removeItem(int index);
    void clear();

    int listCount() const { return items_.count(); }
    std::string list(int index) const { return items_.list(index); }

    int listIndex() const { return items_.listIndex(); }
    // -1..ListCount-1; anything else is fault 380.
    void setListIndex(int index);
    bool selected(int index) const { return items_.selected(index); }
    void setSelected(int index, bool selected);
    // The selected item's text, or the empty text.
    std::string text() const { return items_.chosenText(); }

protected:
    void visibleChanged() override;
    void beforeMouseDown(QPoint at) override;

private:
    void makeWidget();
    void showSelection();
    void userSelected(int row);

    ListItems items_;
    bool showing_ = false;
};

} // namespace platform
