#include "platform/container.h"

#include "platform/control_dispatch.h"
#include "platform/control_windowed.h"
#include "platform/lightweight.h"
#include "platform/qtext.h"
#include "platform/units.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace platform {

int toPixel(double value) {
    constexpr double kLimit = 1e8;
    if (!(value > -kLimit)) return -static_cast<int>(kLimit);
    if (!(value < kLimit)) return static_cast<int>(kLimit);
    return static_cast<int>(std::lround(value));
}

int buttonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return kLeftButton;
    case Qt::RightButton:
        return kRightButton;
    case Qt::MiddleButton:
        return kMiddleButton;
    default:
        return 0;
    }
}

int buttonMask(Qt::MouseButtons buttons) {
    int mask = 0;
    if (buttons & Qt::LeftButton) mask |= kLeftButton;
    if (buttons & Qt::RightButton) mask |= kRightButton;
    if (buttons & Qt::MiddleButton) mask |= kMiddleButton;
    return mask;
}

int shiftMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= kShiftMask;
    if (modifiers & Qt::ControlModifier) mask |= kCtrlMask;
    if (modifiers & Qt::AltModifier) mask |= kAltMask;
    return mask;
}

Container::~Container() {
    for (Lightweight* child = front_; child;) {
        Lightweight* next = child->below_;
        child->above_ = child->below_ = nullptr;
        child->container_ = nullptr;
        child = next;
    }
    for (WindowedControl* child : windowed_)
        child->container_ = nullptr;
    if (host_) host_->detachContainer();
}

QWidget* Container::host() const {
    return host_.data();
}

double Container::toClientPixelsX(double units) const {
    return units / kTwipsPerPixel;
}
double Container::toClientPixelsY(double units) const {
    return units / kTwipsPerPixel;
}
double Container::lengthToPixelsX(double units) const {
    return units / kTwipsPerPixel;
}
double Container::lengthToPixelsY(double units) const {
    return units / kTwipsPerPixel;
}
double Container::fromClientPixelsX(double pixels) const {
    return pixels * kTwipsPerPixel;
}
double Container::fromClientPixelsY(double pixels) const {
    return pixels * kTwipsPerPixel;
}
double Container::lengthFromPixelsX(double pixels) const {
    return pixels * kTwipsPerPixel;
}
double Container::lengthFromPixelsY(double pixels) const {
    return pixels * kTwipsPerPixel;
}

QRect Container::pixelRect(double left, double top, double width, double height) const {
    const QPoint origin = clientOrigin();
    return QRect(origin.x() + toPixel(toClientPixelsX(left)), origin.y() + toPixel(toClientPixelsY(top)),
                 toPixel(lengthToPixelsX(width)), toPixel(lengthToPixelsY(height)));
}

QPoint Container::pixelPoint(double x, double y) const {
    return clientOrigin() + QPoint(toPixel(toClientPixelsX(x)), toPixel(toClientPixelsY(y)));
}

QRect Container::clientRect() const {
    return host_ ? host_->rect() : QRect();
}

double Container::scaleWidth() const {
    return lengthFromPixelsX(clientRect().width());
}
double Container::scaleHeight() const {
    return lengthFromPixelsY(clientRect().height());
}

void Container::relayoutChildren() {
    for (Control* child : windowed_) {
        child->placeChanged(child->left(), child->top(), child->width(), child->height());
    }
    invalidateAll();
}

void Container::hostResized() {
    for (WindowedControl* child : windowed_)
        child->containerResized();
}

Lightweight* Container::hitTest(QPoint hostPixel, const Control* except) const {
    for (Lightweight* child = front_; child; child = child->below_) {
        if (child == except || !child->visible() || !child->enabled() || !child->takesMouse()) continue;
        if (child->pixelBounds().contains(hostPixel)) return child;
    }
    return nullptr;
}

void Container::invalidate(const QRect& hostPixels) {
    if (host_) host_->invalidateLater(hostPixels);
}

void Container::invalidateAll() {
    if (host_) invalidate(host_->rect());
}

void Container::linkFront(Lightweight& child) {
    child.above_ = nullptr;
    child.below_ = front_;
    if (front_) front_->above_ = &child;
    front_ = &child;
    if (!back_) back_ = &child;
}

void Container::linkBack(Lightweight& child) {
    child.below_ = nullptr;
    child.above_ = back_;
    if (back_) back_->below_ = &child;
    back_ = &child;
    if (!front_) front_ = &child;
}

void Container::unlink(Lightweight& child) {
    if (child.above_) {
        child.above_->below_ = child.below_;
    } else if (front_ == &child) {
        front_ = child.below_;
    }
    if (child.below_) {
        child.below_->above_ = child.above_;
    } else if (back_ == &child) {
        back_ = child.above_;
    }
    child.above_ = child.below_ = nullptr;
}

void Container::forget(Control& child) {
    if (press_ == Press::Child && pressChild_ == &child) press_ = Press::Lost;
    if (pressChild_ == &child) pressChild_ = nullptr;
    auto it = std::find(windowed_.begin(), windowed_.end(), &child);
    if (it != windowed_.end()) windowed_.erase(it);
}

void Container::paintHost(QPainter& painter, const QRect& dirty) {
    paintBackground(painter, dirty);
    const QRect client = clientRect();
    painter.save();
    painter.setClipRect(client & dirty);
    paintClient(painter, dirty);
    for (Lightweight* child = back_; child; child = child->above_) {
        if (child->visible() && child->pixelBounds().intersects(dirty)) child->paint(painter);
    }
    painter.restore();
}

double Container::unitsX(const Control* child, QPoint hostPixel) const {
    if (!child) return fromClientPixelsX(hostPixel.x() - clientOrigin().x());
    const auto* light = static_cast<const Lightweight*>(child);
    return double(hostPixel.x() - light->pixelBounds().left()) * kTwipsPerPixel;
}

double Container::unitsY(const Control* child, QPoint hostPixel) const {
    if (!child) return fromClientPixelsY(hostPixel.y() - clientOrigin().y());
    const auto* light = static_cast<const Lightweight*>(child);
    return double(hostPixel.y() - light->pixelBounds().top()) * kTwipsPerPixel;
}

bool Container::contains(const Control* child, QPoint hostPixel) const {
    if (!child) return host_ && host_->rect().contains(hostPixel);
    return static_cast<const Lightweight*>(child)->pixelBounds().contains(hostPixel);
}

void raiseMouse(Control& control, MouseAction action, int button, int shift, double x, double y) {
    switch (action) {
    case MouseAction::Down:
        control.raiseMouseDown(button, shift, x, y);
        break;
    case MouseAction::Move:
        control.raiseMouseMove(button, shift, x, y);
        break;
    case MouseAction::Up:
        control.raiseMouseUp(button, shift, x, y);
        break;
    }
}

void Container::deliver(MouseAction action, Control* child, int button, int shift, QPoint hostPixel) {
    const bool runs = child ? child->runsWhileBusy() : ownRunsWhileBusy();
    const double x = unitsX(child, hostPixel);
    const double y = unitsY(child, hostPixel);
    runUserEvent(runs, [&] {
        if (child) {
            raiseMouse(*child, action, button, shift, x, y);
        } else {
            raiseOwnMouse(action, button, shift, x, y);
        }
    });
}

void Container::deliverClick(Control* child, bool doubleClick) {
    const bool runs = child ? child->runsWhileBusy() : ownRunsWhileBusy();
    runUserEvent(runs, [&] {
        if (child) {
            doubleClick ? child->raiseDblClick() : child->raiseClick();
        } else {
            doubleClick ? raiseOwnDblClick() : raiseOwnClick();
        }
    });
}

void Container::deliverDrag(Control& source, Control* child, QPoint hostPixel, bool drop) {
    if (ownsChildDrags_) child = nullptr;
    const bool runs = child ? child->runsWhileBusy() : ownRunsWhileBusy();
    const double x = unitsX(child, hostPixel);
    const double y = unitsY(child, hostPixel);
    runUserEvent(runs, [&] {
        if (child && drop) {
            child->raiseDragDrop(source, x, y);
        } else if (child) {
            child->raiseDragOver(source, x, y, kDragOverState);
        } else if (drop) {
            raiseOwnDragDrop(source, x, y);
        } else {
            raiseOwnDragOver(source, x, y);
        }
    });
}

// A press with no other button held starts a new gesture, also when the release of the last one
// never came (a pop-up menu or a modal form took it): a stale target or drag is forgotten.
void Container::startPress(QMouseEvent& event, bool doubleClick) {
    if (press_ != Press::None && (event.buttons() & ~event.button()) != Qt::NoButton) return;
    if (Control* stale = Control::dragSource()) {
        stale->drag(kDragCancel);
        runUserEvent(stale->runsWhileBusy(), [stale] { stale->raiseDragCancel(); });
    }
    pressChild_ = hitTest(event.position().toPoint());
    press_ = pressChild_ ? Press::Child : Press::Self;
    clickSuppressed_ = doubleClick;
}

void Container::hostMousePress(QMouseEvent& event) {
    const int button = buttonNumber(event.button());
    if (button == 0) return;
    startPress(event, false);
    if (press_ == Press::Lost) return;
    deliver(MouseAction::Down, pressChild_, button, shiftMask(event.modifiers()), event.position().toPoint());
}

void Container::hostMouseDoubleClick(QMouseEvent& event) {
    if (event.button() != Qt::LeftButton || (event.buttons() & ~event.button()) != Qt::NoButton) {
        hostMousePress(event);
        return;
    }
    startPress(event, true);
    deliverClick(pressChild_, true);
}

void Container::hostMouseMove(QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    if (Control* source = Control::dragSource(); source && press_ != Press::None) {
        deliverDrag(*source, hitTest(at, source), at, false);
        return;
    }
    const int shift = shiftMask(event.modifiers());
    if (press_ == Press::Lost) return;
    if (press_ == Press::None) {
        deliver(MouseAction::Move, hitTest(at), 0, shift, at);
    } else {
        deliver(MouseAction::Move, pressChild_, buttonMask(event.buttons()), shift, at);
    }
}

void Container::hostMouseRelease(QMouseEvent& event) {
    const int button = buttonNumber(event.button());
    if (button == 0) return;
    const QPoint at = event.position().toPoint();
    const bool last = event.buttons() == Qt::NoButton;
    if (Control* source = Control::dragSource(); source && press_ != Press::None) {
        if (last) press_ = Press::None;
        source->drag(kDragEnd);
        deliverDrag(*source, hitTest(at, source), at, true);
        return;
    }
    if (press_ == Press::None) {
        deliver(MouseAction::Up, hitTest(at), button, shiftMask(event.modifiers()), at);
        return;
    }
    if (press_ == Press::Lost) {
        if (last) press_ = Press::None;
        return;
    }
    Control* target = pressChild_;
    deliver(MouseAction::Up, target, button, shiftMask(event.modifiers()), at);
    if (!last) return;
    const bool stillThere = press_ != Press::Lost;
    const bool click = stillThere && button == kLeftButton && !clickSuppressed_ && contains(target, at);
    press_ = Press::None;
    pressChild_ = nullptr;
    if (click) deliverClick(target, false);
}

const std::string* Container::toolTipAt(QPoint hostPixel) const {
    const Lightweight* child = hitTest(hostPixel);
    return child ? &child->toolTipText() : nullptr;
}

ContainerWidget::ContainerWidget(Container& container, QWidget* parent)
    : QWidget(parent), container_(&container) {
    setMouseTracking(true);
}

void ContainerWidget::invalidateLater(const QRect& rect) {
    if (rect.isEmpty() || !isVisible()) return;
    if (pending_.isEmpty()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                const QRect area = pending_;
                pending_ = QRect();
                update(area);
            },
            Qt::QueuedConnection);
    }
    pending_ |= rect;
}

bool ContainerWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && container_) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (const std::string* text = container_->toolTipAt(help->pos())) {
            if (text->empty()) {
                QToolTip::hideText();
            } else {
                QToolTip::showText(help->globalPos(), toQString(*text), this);
            }
            return true;
        }
    }
    return QWidget::event(event);
}

void ContainerWidget::paintEvent(QPaintEvent* event) {
    if (!container_) return;
    QPainter painter(this);
    container_->paintHost(painter, event->rect());
}

void ContainerWidget::mousePressEvent(QMouseEvent* event) {
    if (container_) container_->hostMousePress(*event);
}

void ContainerWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (container_) container_->hostMouseDoubleClick(*event);
}

void ContainerWidget::mouseMoveEvent(QMouseEvent* event) {
    if (container_) container_->hostMouseMove(*event);
}

void ContainerWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (container_) container_->hostMouseRelease(*event);
}

void ContainerWidget::wheelEvent(QWheelEvent* event) {
    if (container_ && container_->hostWheel(event->angleDelta().y())) {
        event->accept();
    } else {
        event->ignore();
    }
}

void ContainerWidget::resizeEvent(QResizeEvent*) {
    if (container_) container_->hostResized();
}

} // namespace platform
