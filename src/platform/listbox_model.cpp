#include "platform/listbox_model.h"

#include "basic/fault.h"
#include "platform/control.h"
#include "platform/qtext.h"

#include <QAbstractListModel>

namespace platform {

class ItemsModel : public QAbstractListModel {
public:
    ItemsModel(const std::vector<std::string>& items, QObject* owner)
        : QAbstractListModel(owner), items_(&items) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() || !items_ ? 0 : static_cast<int>(items_->size());
    }

    // An editable combo box takes the text of the entry picked from the edit role.
    QVariant data(const QModelIndex& index, int role) const override {
        if (!items_ || (role != Qt::DisplayRole && role != Qt::EditRole) || index.row() < 0 || index.row() >= rowCount({})) return {};
        return toQString((*items_)[static_cast<size_t>(index.row())]);
    }

    // The items are gone; the widget keeps an empty model until it is deleted.
    void detach() {
        beginResetModel();
        items_ = nullptr;
        endResetModel();
    }

    using QAbstractListModel::beginInsertRows;
    using QAbstractListModel::beginRemoveRows;
    using QAbstractListModel::beginResetModel;
    using QAbstractListModel::endInsertRows;
    using QAbstractListModel::endRemoveRows;
    using QAbstractListModel::endResetModel;

private:
    const std::vector<std::string>* items_;
};

ListItems::~ListItems() {
    if (model_) model_->detach();
}

std::string ListItems::list(int index) const {
    if (index < 0) basic::raise(basic::fault::InvalidPropertyArrayIndex);
    return index < count() ? at(index) : std::string();
}

bool ListItems::addItem(std::string text, int index) {
    if (index < 0 || index > count()) basic::raise(basic::fault::InvalidProcedureCall);
    if (model_) model_->beginInsertRows({}, index, index);
    items_.insert(items_.begin() + index, std::move(text));
    if (model_) model_->endInsertRows();
    if (listIndex_ < index) return false;
    ++listIndex_;
    return true;
}

void ListItems::removeItem(int index) {
    if (index < 0 || index >= count()) basic::raise(basic::fault::InvalidProcedureCall);
    if (model_) model_->beginRemoveRows({}, index, index);
    items_.erase(items_.begin() + index);
    if (model_) model_->endRemoveRows();
    if (listIndex_ == index) {
        listIndex_ = -1;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
}

void ListItems::clear() {
    if (model_) model_->beginResetModel();
    items_.clear();
    if (model_) model_->endResetModel();
    listIndex_ = -1;
}

bool ListItems::setListIndex(int index) {
    checkPropertyRange(index, -1, count() - 1);
    if (index == listIndex_) return false;
    listIndex_ = index;
    return true;
}

bool ListItems::choose(int row) {
    if (row < -1 || row >= count()) return false;
    listIndex_ = row;
    return true;
}

bool ListItems::selected(int index) const {
    if (index < 0 || index >= count()) basic::raise(basic::fault::InvalidPropertyArrayIndex);
    return index == listIndex_;
}

std::string ListItems::chosenText() const {
    return listIndex_ >= 0 ? at(listIndex_) : std::string();
}

QAbstractItemModel* ListItems::model(QObject* owner) {
    if (!model_) model_ = new ItemsModel(items_, owner);
    return model_;
}

} // namespace platform
