#pragma once
// The two search panels floating over the map: the category search `Frame9` (the chooser
// `Combo1`, the chosen name `Text3(0)`, the hits `List3(0)`, "Clear Markers" `Command3` and the
// timer `tm3` that runs the search after a choice) and the name search `Frame10` (`Text3(1)`,
// `Command1`, `List3(1)`).

#include "platform/container_frame.h"
#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/lightweight_label.h"
#include "platform/listbox.h"
#include "platform/listbox_combo.h"
#include "platform/timer.h"
#include "platform/widgets_buttons.h"
#include "platform/widgets_textbox.h"

namespace core {

class MapWindow;

inline constexpr int kCategorySearch = 0;
inline constexpr int kNameSearch = 1;

struct SearchPanels {
    // Adds the close labels 5 and 6 to `Label1`.
    SearchPanels(platform::Form& form, platform::ControlArray<platform::LabelControl>& Label1);

    platform::Frame Frame9;
    platform::ComboBox Combo1;
    platform::CommandButton Command3;
    platform::Frame Frame10;
    platform::CommandButton Command1;
    platform::ControlArray<platform::TextBox> Text3{"Text3"};
    platform::ControlArray<platform::ListBox> List3{"List3"};
    platform::Timer tm3;
};

} // namespace core
