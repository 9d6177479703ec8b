#pragma once
// The progress panel `frm1`, floating over the middle of the map while a file loads: the caption
// `Label9`, the bar `progimage` over its full-width background `backprog`, the remaining time
// `Label6` and "Cancel" `Command2`, which works while the program is busy.

#include "platform/container_frame.h"
#include "platform/form.h"
#include "platform/lightweight_image.h"
#include "platform/lightweight_label.h"
#include "platform/lightweight_shape.h"
#include "platform/widgets_buttons.h"

namespace core {

class MapWindow;

struct ProgressPanel {
    explicit ProgressPanel(platform::Form& form);

    platform::Frame frm1;
    platform::LabelControl Label9;
    platform::ShapeControl backprog;
    platform::ImageControl progimage;
    platform::LabelControl Label6;
    platform::CommandButton Command2;
};

// Shows or hides the bar `progimage`: the import shows it at its start and hides it at its end,
// every drawing shows it again after reading the project file.
void barvis(MapWindow& map, bool visible);

} // namespace core
