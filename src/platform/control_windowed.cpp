#include "platform/control_windowed.h"

#include "basic/fault.h"
#include "platform/container.h"
#include "platform/control_dispatch.h"
#include "platform/control_keys.h"
#include "platform/qtext.h"
#include "platform/units.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

namespace platform {

WindowedControl::WindowedControl(Container& container, std::string name)
    : Control(container, std::move(name)) {
    container.windowed_.push_back(this);
}

WindowedControl::~WindowedControl() {
    releaseWidget();
}

QObject* WindowedControl::signalContext() {
    if (!signalContext_) signalContext_ = std::make_unique<QObject>();
    return signalContext_.get();
}

void WindowedControl::releaseWidget() {
    signalContext_.reset();
    if (!widget_) return;
    if (auto* hook = dynamic_cast<WidgetHook*>(widget_.data())) hook->detachControl();
    for (QWidget* part : widget_->findChildren<QWidget*>()) {
        if (auto* hook = dynamic_cast<WidgetHook*>(part)) hook->detachControl();
    }
    widget_->hide();
    widget_->deleteLater();
    widget_ = nullptr;
}

void WindowedControl::attachWidget(QWidget* widget) {
    widget_ = widget;
    placeWidget();
    if (fontSet_) widget_->setFont(toQFont(font_));
    widget_->setEnabled(enabled());
    widget_->setToolTip(toQString(toolTipText()));
    applyCursor();
    widget_->setVisible(visible());
}

void WindowedControl::copyWindowedFrom(const WindowedControl& other) {
    copyCommonFrom(other);
    if (other.fontSet_) setFont(other.font_);
    mouseIcon_ = other.mouseIcon_;
    setMousePointer(other.mousePointer_);
}

void WindowedControl::setFont(FontSpec font) {
    checkFontSize(font.size);
    font_ = std::move(font);
    fontSet_ = true;
    if (widget_) widget_->setFont(toQFont(font_));
}

void WindowedControl::setFontName(std::string name) {
    FontSpec font = font_;
    font.name = std::move(name);
    setFont(std::move(font));
}

void WindowedControl::setMousePointer(int pointer) {
    if (pointer != 0 && pointer != 2 && pointer != 5 && pointer != 11 && pointer != 99) {
        basic::raise(basic::fault::InvalidPropertyValue);
    }
    mousePointer_ = pointer;
    applyCursor();
}

void WindowedControl::setMouseIcon(QImage icon) {
    mouseIcon_ = std::move(icon);
    applyCursor();
}

void WindowedControl::applyCursor() {
    if (!widget_) return;
    switch (mousePointer_) {
    case 2:
        widget_->setCursor(Qt::CrossCursor);
        break;
    case 5:
        widget_->setCursor(Qt::SizeAllCursor);
        break;
    case 11:
        widget_->setCursor(Qt::WaitCursor);
        break;
    case 99:
        if (mouseIcon_.isNull()) {
            widget_->unsetCursor();
        } else {
            widget_->setCursor(QCursor(QPixmap::fromImage(mouseIcon_)));
        }
        break;
    default:
        widget_->unsetCursor();
        break;
    }
}

void WindowedControl::placeWidget() {
    if (widget_ && container())
        widget_->setGeometry(container()->pixelRect(left(), top(), width(), height()));
}

void WindowedControl::placeChanged(double, double, double, double) {
    placeWidget();
}

void WindowedControl::visibleChanged() {
    if (widget_) widget_->setVisible(visible());
}

void WindowedControl::enabledChanged() {
    if (widget_) widget_->setEnabled(enabled());
}

void WindowedControl::zorderChanged(bool front) {
    if (!widget_) return;
    if (front) {
        widget_->raise();
    } else {
        widget_->lower();
    }
}

void WindowedControl::toolTipChanged() {
    if (widget_) widget_->setToolTip(toQString(toolTipText()));
}

QPoint WindowedControl::toWidget(QWidget& receiver, QPointF position) const {
    const QPoint at = position.toPoint();
    if (!widget_ || &receiver == widget_.data()) return at;
    return receiver.mapTo(widget_.data(), at);
}

bool WindowedControl::widgetEventBefore(QWidget& receiver, QEvent& event) {
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (!userEventAllowed(runsWhileBusy())) return true;
        auto& mouse = static_cast<QMouseEvent&>(event);
        const int button = buttonNumber(mouse.button());
        if (button == 0) return false;
        const QPoint at = toWidget(receiver, mouse.position());
        const int shift = shiftMask(mouse.modifiers());
        runFromEventLoop([&] {
            beforeMouseDown(at);
            if (event.type() == QEvent::MouseButtonDblClick && button == kLeftButton) {
                raiseDblClick();
            } else {
                raiseMouseDown(button, shift, at.x() * double(kTwipsPerPixel),
                               at.y() * double(kTwipsPerPixel));
            }
        });
        return false;
    }
    case QEvent::MouseMove: {
        if (!userEventAllowed(runsWhileBusy())) return true;
        auto& mouse = static_cast<QMouseEvent&>(event);
        const QPoint at = toWidget(receiver, mouse.position());
        runFromEventLoop([&] {
            raiseMouseMove(buttonMask(mouse.buttons()), shiftMask(mouse.modifiers()),
                           at.x() * double(kTwipsPerPixel), at.y() * double(kTwipsPerPixel));
        });
        return false;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::KeyRelease:
        return !userEventAllowed(runsWhileBusy());
    case QEvent::KeyPress: {
        if (!userEventAllowed(runsWhileBusy())) return true;
        int ascii = keyAscii(static_cast<QKeyEvent&>(event));
        if (ascii < 0) return false;
        bool pass = true;
        runFromEventLoop([&] { pass = keyTyped(ascii); });
        return !pass;
    }
    default:
        return false;
    }
}

void WindowedControl::widgetEventAfter(QWidget& receiver, QEvent& event) {
    if (event.type() != QEvent::MouseButtonRelease) return;
    auto& mouse = static_cast<QMouseEvent&>(event);
    const int button = buttonNumber(mouse.button());
    if (button == 0) return;
    const QPoint at = toWidget(receiver, mouse.position());
    runFromEventLoop([&] {
        raiseMouseUp(button, shiftMask(mouse.modifiers()), at.x() * double(kTwipsPerPixel),
                     at.y() * double(kTwipsPerPixel));
    });
}

} // namespace platform
