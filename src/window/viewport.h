#pragma once
// The map viewport: the container `Picture1` with the map picture `p1` inside it, the drag
// preview `p2` laid over it, the paint buffer `p3`, the scroll bars, the status bar, the map's
// overlays (zoom box `rec`, POI bubble `bub`) and the mouse-wheel timer.

#include "platform/form.h"
#include "platform/lightweight_label.h"
#include "platform/lightweight_shape.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/statusbar.h"
#include "platform/timer.h"

namespace core {

inline constexpr int kStatusPanels = 5;
// The VS value that puts the top of p1 at the top of Picture1 (VS places it at 100 - value).
inline constexpr double kVerticalScrollOrigin = 100;

struct Viewport {
    explicit Viewport(platform::Form& form);

    platform::PictureBox Picture1;
    platform::PictureBox p1;
    platform::ShapeControl rec;
    platform::PictureBox bub;
    platform::LabelControl bubtxt;
    platform::PictureBox p2;
    platform::PictureBox p3;
    platform::ScrollBar VS;
    platform::ScrollBar hs;
    platform::StatusBar sb1;
    platform::Timer tm2;
};

} // namespace core
