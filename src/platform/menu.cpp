#include "platform/menu.h"

#include "basic/fault.h"
#include "platform/control_dispatch.h"
#include "platform/qtext.h"

#include <QAction>
#include <QMenu>
#include <QSignalBlocker>

namespace platform {

MenuEntry::MenuEntry(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

MenuEntry::~MenuEntry() = default;

void MenuEntry::attachAction(QAction* action) {
    action_ = action;
    setCaption(caption_);
}

void MenuEntry::setCaption(std::string caption) {
    caption_ = std::move(caption);
    if (!action_) return;
    // A caption of "-" makes the entry a separator line, which shows no text.
    const bool separator = caption_ == "-";
    action_->setSeparator(separator);
    // A caption is shown as written: "&" would otherwise mark the next character as the shortcut.
    action_->setText(separator ? QString() : bytesToQString(caption_).replace(u'&', QStringLiteral("&&")));
}

void MenuEntry::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (action_) action_->setEnabled(enabled);
}

void MenuEntry::setVisible(bool visible) {
    visible_ = visible;
    if (action_) action_->setVisible(visible);
}

MenuItem::MenuItem(QMenu& menu, std::string name, std::string caption)
    : MenuEntry(std::move(name), std::move(caption)), ownAction_(std::make_unique<QAction>()) {
    menu.addAction(ownAction_.get());
    QObject::connect(ownAction_.get(), &QAction::triggered, ownAction_.get(), [this] { triggered(); });
    attachAction(ownAction_.get());
}

MenuItem::~MenuItem() = default;

void MenuItem::setChecked(bool checked) {
    checked_ = checked;
    const QSignalBlocker quiet(ownAction_.get());
    ownAction_->setCheckable(checked);
    ownAction_->setChecked(checked);
}

void MenuItem::triggered() {
    setChecked(checked_);
    runUserEvent(runsWhileBusy_, [this] { raiseClick(); });
}

void MenuItem::raiseClick() {
    if (array_) {
        if (array_->onClick) array_->onClick(index_);
    } else if (onClick) {
        onClick();
    }
}

Menu::Menu(std::string name, std::string caption)
    : MenuEntry(std::move(name), std::move(caption)), menu_(std::make_unique<QMenu>()) {
    attachAction(menu_->menuAction());
}

Menu::~Menu() = default;

MenuItem& Menu::addItem(std::string name, std::string caption) {
    items_.push_back(std::unique_ptr<MenuItem>(new MenuItem(*menu_, std::move(name), std::move(caption))));
    return *items_.back();
}

MenuArray::MenuArray(std::string name) : name_(std::move(name)) {}

MenuItem& MenuArray::add(Menu& menu, int index, std::string caption) {
    if (index < 0 || index > 32767) basic::raise(basic::fault::ControlArrayElementMissing);
    if (exists(index)) basic::raise(basic::fault::ObjectAlreadyLoaded);
    MenuItem& item = menu.addItem(name_, std::move(caption));
    item.index_ = index;
    item.array_ = this;
    if (index >= static_cast<int>(items_.size())) items_.resize(static_cast<size_t>(index) + 1, nullptr);
    items_[static_cast<size_t>(index)] = &item;
    return item;
}

bool MenuArray::exists(int index) const {
    return index >= 0 && index < static_cast<int>(items_.size()) && items_[static_cast<size_t>(index)];
}

MenuItem& MenuArray::operator[](int index) const {
    if (!exists(index)) basic::raise(basic::fault::ControlArrayElementMissing);
    return *items_[static_cast<size_t>(index)];
}

} // namespace platform
