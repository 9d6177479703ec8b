#pragma once
// The picture buttons along the top of the window: the File toolbar `Image3` (elements 0, 2, 6,
// the File menu entries they run), the route toolbar `rout` (elements 0, 1, 4) and the two zoom
// buttons `Image4(0..1)`, each in its frame `Frame7(0..1)` over the viewport.

#include "platform/container_frame.h"
#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/lightweight_image.h"

namespace core {

// The zoom buttons `Image4` and their frames `Frame7`.
inline constexpr int kZoomInButton = 0;
inline constexpr int kZoomOutButton = 1;

struct Toolbars {
    explicit Toolbars(platform::Form& form);

    platform::ControlArray<platform::ImageControl> Image3{"Image3"};
    platform::ControlArray<platform::ImageControl> rout{"rout"};
    platform::ControlArray<platform::Frame> Frame7{"Frame7"};
    platform::ControlArray<platform::ImageControl> Image4{"Image4"};
};

} // namespace core
