#include "platform/listbox_combo.h"

#include "basic/fault.h"
#include "platform/container.h"
#include "platform/control_dispatch.h"
#include "platform/control_hooked.h"
#include "platform/qtext.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace platform {

ComboBox::ComboBox(Container& container, std::string name) : WindowedControl(container, std::move(name)) {
    auto* box = new Hooked<QComboBox>(*this, container.host());
    box->setLineEdit(new Hooked<QLineEdit>(*this, box));
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setModel(items_.model(box));
    box->setCurrentIndex(-1);
    QObject::connect(box, &QComboBox::activated, signalContext(), [this](int row) { userPicked(row); });
    QObject::connect(box->lineEdit(), &QLineEdit::textEdited, signalContext(), [this](const QString& typed) {
        text_ = fromQString(typed);
        listIndex_ = -1;
    });
    attachWidget(box);
}

ComboBox::~ComboBox() {
    releaseWidget();
}

QComboBox* ComboBox::combo() const {
    return static_cast<QComboBox*>(widget());
}

void ComboBox::addItem(std::string item) {
    addItem(std::move(item), items_.count());
}

void ComboBox::addItem(std::string item, int index) {
    checkInsertIndex(index, items_.count());
    items_.insert(index, std::move(item));
    if (listIndex_ >= index) ++listIndex_;
    showState();
}

void ComboBox::removeItem(int index) {
    checkItemIndex(index, items_.count());
    items_.remove(index);
    if (listIndex_ == index) {
        listIndex_ = -1;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    showState();
}

void ComboBox::clear() {
    items_.clear();
    listIndex_ = -1;
    showState();
}

std::string ComboBox::list(int index) const {
    if (index < 0) basic::raise(basic::fault::InvalidPropertyArrayIndex);
    return index < items_.count() ? items_.at(index) : std::string();
}

void ComboBox::setListIndex(int index) {
    checkListIndex(index, items_.count());
    if (index == listIndex_) return;
    listIndex_ = index;
    text_ = index >= 0 ? items_.at(index) : std::string();
    showState();
    raiseClick();
}

void ComboBox::setText(std::string text) {
    text_ = std::move(text);
    listIndex_ = -1;
    showState();
}

// The widget follows the control; Qt's own choices (it picks the first item of a list that was
// empty) are undone here.
void ComboBox::showState() {
    QComboBox* box = combo();
    if (!box) return;
    const QSignalBlocker quiet(box);
    if (box->currentIndex() != listIndex_) box->setCurrentIndex(listIndex_);
    const QString shown = toQString(text_);
    if (box->currentText() != shown) box->setEditText(shown);
}

void ComboBox::userPicked(int row) {
    if (row < 0 || row >= items_.count()) return;
    listIndex_ = row;
    text_ = items_.at(row);
    runUserEvent(runsWhileBusy(), [this] { raiseClick(); });
}

} // namespace platform
