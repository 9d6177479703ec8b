#pragma once
// The tabbed legend panel `Frame2`: four tab labels `command5` over their highlight rectangles
// `Shape7`, and four pages `Fram4` at the same place: 0 the author filter with the display
// options, 1 the additional icons `im`, 2 and 3 the colour key (`Shape6` swatches with their
// `Label10` captions).

#include "platform/container_frame.h"
#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/lightweight_image.h"
#include "platform/lightweight_label.h"
#include "platform/lightweight_shape.h"
#include "platform/listbox.h"
#include "platform/widgets_buttons.h"
#include "platform/widgets_textbox.h"

namespace core {

inline constexpr int kLegendTabs = 4;
inline constexpr int kAuthorsPage = 0;
inline constexpr int kIconsPage = 1;

struct LegendPanel {
    explicit LegendPanel(platform::Form& form);

    platform::Frame Frame2;
    platform::ControlArray<platform::ShapeControl> Shape7{"Shape7"};
    platform::ControlArray<platform::LabelControl> command5{"command5"};
    platform::ControlArray<platform::Frame> Fram4{"Fram4"};
    platform::Frame& authorsPage; // Fram4(0)

    // Page 0: display options and the author filter.
    platform::CheckBox Check1; // street names
    platform::LabelControl Label12;
    platform::CheckBox Check4; // "Area Tags"
    platform::CheckBox Check2; // "All Authors"
    platform::CheckBox Check5; // "Show Dates"
    platform::CheckBox Check3; // hidden: set by the drawing
    platform::TextBox Text6;   // date filter
    platform::ListBox List1;   // authors

    // Page 1: the additional icons.
    platform::LabelControl iconsTitle;
    platform::ControlArray<platform::ImageControl> im{"im"};

    // Pages 2 and 3: the colour key.
    platform::ControlArray<platform::LabelControl> sectionHeading{"sectionHeading"};
    platform::ControlArray<platform::ShapeControl> Shape6{"Shape6"};
    platform::ControlArray<platform::LabelControl> Label10{"Label10"};
};

} // namespace core
