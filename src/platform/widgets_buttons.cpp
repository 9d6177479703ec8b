#include "platform/widgets_buttons.h"

#include "platform/container.h"
#include "platform/control_dispatch.h"
#include "platform/control_hooked.h"
#include "platform/qtext.h"

#include <QCheckBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <functional>

namespace platform {
namespace {

// A check box or option button whose next state after a user's click is the control's choice.
template <class W> class ChoiceWidget : public Hooked<W> {
public:
    ChoiceWidget(WindowedControl& control, QWidget* parent) : Hooked<W>(control, parent) {}
    std::function<void()> next;

    void detachControl() override {
        Hooked<W>::detachControl();
        next = nullptr;
    }

protected:
    void nextCheckState() override {
        if (next) next();
    }
};

} // namespace

ButtonControl::ButtonControl(Container& container, std::string name)
    : WindowedControl(container, std::move(name)) {}

void ButtonControl::attachButton(QAbstractButton* button) {
    attachWidget(button);
    QObject::connect(button, &QAbstractButton::clicked, signalContext(),
                     [this] { runUserEvent(runsWhileBusy(), [this] { raiseClick(); }); });
}

QAbstractButton* ButtonControl::button() const {
    return static_cast<QAbstractButton*>(widget());
}

void ButtonControl::setCaption(std::string caption) {
    caption_ = std::move(caption);
    if (button()) button()->setText(toQString(caption_));
}

CommandButton::CommandButton(Container& container, std::string name)
    : ButtonControl(container, std::move(name)) {
    attachButton(new Hooked<QPushButton>(*this, container.host()));
}

void CommandButton::setPicture(QImage picture) {
    picture_ = std::move(picture);
    showPicture();
}

void CommandButton::setStyle(int style) {
    checkPropertyRange(style, 0, 1);
    style_ = style;
    showPicture();
}

void CommandButton::showPicture() {
    if (!button()) return;
    if (style_ == 1 && !picture_.isNull()) {
        button()->setIcon(QPixmap::fromImage(picture_));
        button()->setIconSize(picture_.size());
    } else {
        button()->setIcon(QIcon());
    }
}

CheckBox::CheckBox(Container& container, std::string name) : ButtonControl(container, std::move(name)) {
    auto* box = new ChoiceWidget<QCheckBox>(*this, container.host());
    box->setTristate(true);
    box->next = [this] { userToggle(); };
    attachButton(box);
}

void CheckBox::setValue(int value) {
    checkPropertyRange(value, 0, 2);
    if (value == value_) return;
    value_ = value;
    showValue();
    raiseClick();
}

void CheckBox::userToggle() {
    value_ = value_ == 1 ? 0 : 1;
    showValue();
}

void CheckBox::showValue() {
    auto* box = static_cast<QCheckBox*>(button());
    const QSignalBlocker quiet(box);
    box->setCheckState(value_ == 0 ? Qt::Unchecked : value_ == 1 ? Qt::Checked : Qt::PartiallyChecked);
}

OptionButton::OptionButton(Container& container, std::string name)
    : ButtonControl(container, std::move(name)) {
    auto* radio = new ChoiceWidget<QRadioButton>(*this, container.host());
    radio->setAutoExclusive(false);
    radio->next = [this] { userSelect(); };
    attachButton(radio);
}

void OptionButton::setValue(bool value) {
    if (value == value_) return;
    if (value) {
        select();
        raiseClick();
    } else {
        value_ = false;
        const QSignalBlocker quiet(button());
        button()->setChecked(false);
    }
}

void OptionButton::userSelect() {
    select();
}

void OptionButton::select() {
    if (Container* owner = container()) {
        for (WindowedControl* child : owner->windowedChildren()) {
            auto* other = dynamic_cast<OptionButton*>(child);
            if (!other || other == this || !other->value_) continue;
            other->value_ = false;
            const QSignalBlocker quiet(other->button());
            other->button()->setChecked(false);
        }
    }
    value_ = true;
    const QSignalBlocker quiet(button());
    button()->setChecked(true);
}

} // namespace platform
