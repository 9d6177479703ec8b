#include "render/drawwindows.h"

#include "window/viewport.h"

#include <algorithm>

namespace render {

DrawWindow grownWindow(const DrawWindow& designed, const DrawWindow& visible) {
    const DrawWindow& view = kDesignedView;
    return {std::min(designed.left, visible.left - std::max(0.0f, view.left - designed.left)),
            std::min(designed.top, visible.top - std::max(0.0f, view.top - designed.top)),
            std::max(designed.right, visible.right + std::max(0.0f, designed.right - view.right)),
            std::max(designed.bottom, visible.bottom + std::max(0.0f, designed.bottom - view.bottom))};
}

DrawWindow visiblePart(const core::Viewport& view) {
    const platform::PictureBox& shown = view.Picture1;
    const platform::PictureBox& p1 = view.p1;
    // In p1's pixels, from the viewport's top-left corner as far as the viewport goes.
    const double left = shown.lengthToPixelsX(-p1.left());
    const double top = shown.lengthToPixelsY(-p1.top());
    return {static_cast<float>(p1.fromPixelX(left)), static_cast<float>(p1.fromPixelY(top)),
            static_cast<float>(p1.fromPixelX(left + shown.pixelWidth())),
            static_cast<float>(p1.fromPixelY(top + shown.pixelHeight()))};
}

DrawWindows drawWindows(const core::Viewport& view) {
    const DrawWindow visible = visiblePart(view);
    return {grownWindow(kAreaWindow, visible),  grownWindow(kWayWindow, visible),
            grownWindow(kSeedWindow, visible),  grownWindow(kNameWindow, visible),
            grownWindow(kPoiWindow, visible),   grownWindow(kTrackWindow, visible)};
}

} // namespace render
