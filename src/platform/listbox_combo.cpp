#include "platform/listbox_combo.h"

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
        items_.choose(-1);
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
    items_.addItem(std::move(item), index);
    showState();
}

void ComboBox::removeItem(int index) {
    items_.removeItem(index);
    showState();
}

void ComboBox::clear() {
    items_.clear();
    showState();
}

void ComboBox::setListIndex(int index) {
    if (!items_.setListIndex(index)) return;
    text_ = items_.chosenText();
    showState();
    raiseClick();
}

void ComboBox::setText(std::string text) {
    text_ = std::move(text);
    items_.choose(-1);
    showState();
}

// The widget follows the control; Qt's own choices (it picks the first item of a list that was
// empty) are undone here.
void ComboBox::showState() {
    QComboBox* box = combo();
    if (!box) return;
    const QSignalBlocker quiet(box);
    if (box->currentIndex() != items_.listIndex()) box->setCurrentIndex(items_.listIndex());
    const QString shown = toQString(text_);
    if (box->currentText() != shown) box->setEditText(shown);
}

void ComboBox::userPicked(int row) {
    if (row < 0 || !items_.choose(row)) return;
    text_ = items_.at(row);
    runUserEvent(runsWhileBusy(), [this] { raiseClick(); });
}

} // namespace platform
