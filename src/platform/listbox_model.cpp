#include "platform/listbox_model.h"

#include "basic/fault.h"
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

    QVariant data(const QModelIndex& index, int role) const override {
        if (!items_ || role != Qt::DisplayRole || index.row() < 0 || index.row() >= rowCount({})) return {};
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

void ListItems::insert(int index, std::string text) {
    if (model_) model_->beginInsertRows({}, index, index);
    items_.insert(items_.begin() + index, std::move(text));
    if (model_) model_->endInsertRows();
}

void ListItems::remove(int index) {
    if (model_) model_->beginRemoveRows({}, index, index);
    items_.erase(items_.begin() + index);
    if (model_) model_->endRemoveRows();
}

void ListItems::clear() {
    if (model_) model_->beginResetModel();
    items_.clear();
    if (model_) model_->endResetModel();
}

QAbstractItemModel* ListItems::model(QObject* owner) {
    if (!model_) model_ = new ItemsModel(items_, owner);
    return model_;
}

void checkInsertIndex(int index, int count) {
    if (index < 0 || index > count) basic::raise(basic::fault::InvalidProcedureCall);
}

void checkItemIndex(int index, int count) {
    if (index < 0 || index >= count) basic::raise(basic::fault::InvalidProcedureCall);
}

void checkListIndex(int index, int count) {
    if (index < -1 || index >= count) basic::raise(basic::fault::InvalidPropertyValue);
}

} // namespace platform
