#pragma once
// The items of a list box or combo box and the entry chosen (ListIndex, -1 for none): the
// bookkeeping both controls share, with their index checks. AddItem's and RemoveItem's index
// outside the list is fault 5, ListIndex outside -1 .. count-1 fault 380, List(i) and Selected(i)
// of a negative index fault 381. The choice follows its item when items are added or removed
// before it, and becomes -1 when its item is removed or the list cleared.
//
// Most lists of the system are hidden data lists; they stay a plain vector. A Qt model over the
// vector is made only when a widget shows the list, and it reads the vector in place, so adding
// thousands of items costs no copies and no per-item widgets.

#include <QPointer>
#include <string>
#include <vector>

class QAbstractItemModel;
class QObject;

namespace platform {

class ItemsModel;

class ListItems {
public:
    ListItems() = default;
    ListItems(const ListItems&) = delete;
    ListItems& operator=(const ListItems&) = delete;
    ~ListItems();

    int count() const { return static_cast<int>(items_.size()); }
    // index must lie within 0..count-1.
    const std::string& at(int index) const { return items_[static_cast<size_t>(index)]; }
    // An index past the end reads as the empty text.
    std::string list(int index) const;

    // Inserts before `index` (0..count); true when the choice moved with its item.
    bool addItem(std::string text, int index);
    void removeItem(int index);
    void clear();

    int listIndex() const { return listIndex_; }
    // ListIndex assigned in code; false when it already had that value.
    bool setListIndex(int index);
    // The user's choice of a row the widget shows; a row the list no longer has is ignored
    // (false).
    bool choose(int row);
    // Selected(i): whether item `index` is the one chosen; fault 381 outside the list.
    bool selected(int index) const;
    // The chosen item's text, or the empty text.
    std::string chosenText() const;

    // The Qt model over the items, made on first use as a child of `owner` (a widget).
    QAbstractItemModel* model(QObject* owner);

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    QPointer<ItemsModel> model_;
};

} // namespace platform
