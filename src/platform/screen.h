#pragma once
// The primary screen's size in twips, as the layout reads it. Tests inject a fixed size so the
// layout they check does not depend on the machine.

namespace platform {

struct ScreenSize {
    int widthTwips = 0;
    int heightTwips = 0;
};

// The primary screen (or the injected size when one is set).
ScreenSize screenSize();
int screenTwipsPerPixelX();
int screenTwipsPerPixelY();

void injectScreenSize(ScreenSize size); // for tests
void clearInjectedScreenSize();

} // namespace platform
