#include "platform/listbox.h"

#include "basic/fault.h"
#include "platform/container.h"
#include "platform/control_dispatch.h"
#include "platform/control_hooked.h"

#include <QListView>

namespace platform {

ListBox::ListBox(Container& container, std::string name, bool visible)
    : WindowedControl(container, std::move(name)) {
    if (visible) {
        makeWidget();
    } else {
        setVisible(false);
    }
}

ListBox::~ListBox() {
    releaseWidget();
}

void ListBox::makeWidget() {
    Container* owner = container();
    if (widget() || !owner) return;
    auto* view = new HookedView<QListView>(*this, owner->host());
    view->setUniformItemSizes(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setModel(items_.model(view));
    // The selection, not the current row: Qt moves the current row to the first item when the
    // list gets the focus, which chooses nothing.
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, signalContext(),
                     [this, view] {
                         if (showing_) return;
                         const QModelIndexList rows = view->selectionModel()->selectedRows();
                         userSelected(rows.isEmpty() ? -1 : rows.first().row());
                     });
    attachWidget(view);
    showSelection();
}

void ListBox::visibleChanged() {
    if (visible() && !widget()) {
        makeWidget();
    } else {
        WindowedControl::visibleChanged();
    }
}

void ListBox::addItem(std::string item) {
    addItem(std::move(item), items_.count());
}

void ListBox::addItem(std::string item, int index) {
    checkInsertIndex(index, items_.count());
    items_.insert(index, std::move(item));
    if (listIndex_ >= index) {
        ++listIndex_;
        showSelection();
    }
}

void ListBox::removeItem(int index) {
    checkItemIndex(index, items_.count());
    items_.remove(index);
    if (listIndex_ == index) {
        listIndex_ = -1;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    showSelection();
}

void ListBox::clear() {
    items_.clear();
    listIndex_ = -1;
    showSelection();
}

std::string ListBox::list(int index) const {
    if (index < 0) basic::raise(basic::fault::InvalidPropertyArrayIndex);
    return index < items_.count() ? items_.at(index) : std::string();
}

void ListBox::setListIndex(int index) {
    checkListIndex(index, items_.count());
    if (index == listIndex_) return;
    listIndex_ = index;
    showSelection();
    raiseClick();
}

bool ListBox::selected(int index) const {
    if (index < 0 || index >= items_.count()) basic::raise(basic::fault::InvalidPropertyArrayIndex);
    return index == listIndex_;
}

void ListBox::setSelected(int index, bool selected) {
    if (index < 0 || index >= items_.count()) basic::raise(basic::fault::InvalidPropertyArrayIndex);
    if (selected) {
        setListIndex(index);
    } else if (index == listIndex_) {
        setListIndex(-1);
    }
}

std::string ListBox::text() const {
    return listIndex_ >= 0 ? items_.at(listIndex_) : std::string();
}

void ListBox::showSelection() {
    auto* view = static_cast<QListView*>(widget());
    if (!view) return;
    showing_ = true;
    if (listIndex_ < 0) {
        view->selectionModel()->clear();
    } else {
        const QModelIndex row = view->model()->index(listIndex_, 0);
        view->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
    }
    showing_ = false;
}

void ListBox::userSelected(int row) {
    if (row == listIndex_ || row < -1 || row >= items_.count()) return;
    listIndex_ = row;
    runUserEvent(runsWhileBusy(), [this] { raiseClick(); });
}

void ListBox::beforeMouseDown(QPoint at) {
    auto* view = static_cast<QListView*>(widget());
    if (!view) return;
    const QModelIndex row = view->indexAt(view->viewport()->mapFrom(view, at));
    if (!row.isValid() || row.row() == listIndex_) return;
    listIndex_ = row.row();
    showSelection();
    raiseClick();
}

} // namespace platform
