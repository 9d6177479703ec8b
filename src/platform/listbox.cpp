#include "platform/listbox.h"

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
    if (items_.addItem(std::move(item), index)) showSelection();
}

void ListBox::removeItem(int index) {
    items_.removeItem(index);
    showSelection();
}

void ListBox::clear() {
    items_.clear();
    showSelection();
}

void ListBox::setListIndex(int index) {
    if (!items_.setListIndex(index)) return;
    showSelection();
    raiseClick();
}

void ListBox::setSelected(int index, bool selected) {
    const bool wasSelected = items_.selected(index);
    if (selected) {
        setListIndex(index);
    } else if (wasSelected) {
        setListIndex(-1);
    }
}

void ListBox::showSelection() {
    auto* view = static_cast<QListView*>(widget());
    if (!view) return;
    showing_ = true;
    if (items_.listIndex() < 0) {
        view->selectionModel()->clear();
    } else {
        const QModelIndex row = view->model()->index(items_.listIndex(), 0);
        view->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
    }
    showing_ = false;
}

void ListBox::userSelected(int row) {
    if (row == items_.listIndex() || !items_.choose(row)) return;
    runUserEvent(runsWhileBusy(), [this] { raiseClick(); });
}

void ListBox::beforeMouseDown(QPoint at) {
    auto* view = static_cast<QListView*>(widget());
    if (!view) return;
    const QModelIndex row = view->indexAt(view->viewport()->mapFrom(view, at));
    if (!row.isValid() || row.row() == items_.listIndex() || !items_.choose(row.row())) return;
    showSelection();
    raiseClick();
}

} // namespace platform
