#pragma once
// The two narrow strips beside the viewport: `Frame3(1)` at the left edge holds the problem
// buttons in their frames `Shape10`, the search buttons and the toggles `ex(0..1)`;
// `Frame3(0)` at the right edge holds the toggles `ex(2..3)` that show and hide the legend panel.
// The problem buttons that are elements of marker arrays (`quest(1)`, `quot(1)`, `amen(1)`)
// live with their arrays in Markers.

#include "platform/container_frame.h"
#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/lightweight_image.h"
#include "platform/lightweight_shape.h"
#include "platform/picturebox.h"

namespace core {

inline constexpr int kRightStrip = 0;
inline constexpr int kLeftStrip = 1;
inline constexpr int kProblemFrames = 8;
// The toggles `ex`: 0 and 1 lie on each other in the left strip as a two-state switch; 2 shows and
// 3 hides the legend panel, and the one in front offers the opposite of the current state.
inline constexpr int kSwitchOn = 0;
inline constexpr int kSwitchOff = 1;
inline constexpr int kShowLegendToggle = 2;
inline constexpr int kHideLegendToggle = 3;

struct SideStrips {
    explicit SideStrips(platform::Form& form);

    platform::ControlArray<platform::Frame> Frame3{"Frame3"};
    platform::Frame& left; // Frame3(1)
    platform::ControlArray<platform::ShapeControl> Shape10{"Shape10"};
    platform::ImageControl Image2;  // "Areas not displayed"
    platform::ImageControl chaina;  // "Areas not closed"
    platform::ImageControl Image10; // "FIXMEs"
    platform::ImageControl Image11; // "Notes"
    platform::ImageControl shape12; // "Other Nodes"
    platform::ImageControl Image6;  // opens the category search
    platform::ImageControl Image9;  // opens the name search
    platform::ControlArray<platform::PictureBox> ex{"ex"};
};

} // namespace core
