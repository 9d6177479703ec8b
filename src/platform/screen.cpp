#include "platform/screen.h"

#include "platform/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <optional>

namespace platform {
namespace {

std::optional<ScreenSize>& injected() {
    static std::optional<ScreenSize> size;
    return size;
}

} // namespace

ScreenSize screenSize() {
    if (injected()) return *injected();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {1024 * kTwipsPerPixel, 768 * kTwipsPerPixel};
    QSize px = screen->size();
    return {px.width() * kTwipsPerPixel, px.height() * kTwipsPerPixel};
}

int screenTwipsPerPixelX() { return kTwipsPerPixel; }
int screenTwipsPerPixelY() { return kTwipsPerPixel; }

void injectScreenSize(ScreenSize size) { injected() = size; }
void clearInjectedScreenSize() { injected().reset(); }

} // namespace platform
