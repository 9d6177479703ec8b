#pragma once
// The items of a list box or combo box: a vector of byte texts that the program fills and reads.
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
    // Inserts before `index` (0..count).
    void insert(int index, std::string text);
    void remove(int index);
    void clear();

    // The Qt model over the items, made on first use as a child of `owner` (a widget).
    QAbstractItemModel* model(QObject* owner);

private:
    std::vector<std::string> items_;
    QPointer<ItemsModel> model_;
};

// Checks shared by list and combo boxes: AddItem's and RemoveItem's index (fault 5 outside the
// list) and ListIndex (-1 .. count-1, fault 380 otherwise).
void checkInsertIndex(int index, int count);
void checkItemIndex(int index, int count);
void checkListIndex(int index, int count);

} // namespace platform
