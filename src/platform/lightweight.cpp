#include "platform/lightweight.h"

#include "platform/container.h"

namespace platform {

Lightweight::Lightweight(Container& container, std::string name) : Control(container, std::move(name)) {
    container.linkFront(*this);
}

Lightweight::~Lightweight() {
    if (container()) {
        repaint();
        container()->unlink(*this);
    }
}

QRect Lightweight::pixelBounds() const {
    if (!container()) return {};
    return container()->pixelRect(left(), top(), width(), height());
}

void Lightweight::repaint() const {
    if (visible() && container()) container()->invalidate(pixelBounds());
}

void Lightweight::placeChanged(double oldLeft, double oldTop, double oldWidth, double oldHeight) {
    if (!visible() || !container()) return;
    container()->invalidate(container()->pixelRect(oldLeft, oldTop, oldWidth, oldHeight));
    repaint();
}

void Lightweight::visibleChanged() {
    if (container()) container()->invalidate(pixelBounds());
}

void Lightweight::zorderChanged(bool front) {
    Container* owner = container();
    if (!owner) return;
    owner->unlink(*this);
    if (front) {
        owner->linkFront(*this);
    } else {
        owner->linkBack(*this);
    }
    repaint();
}

} // namespace platform
