#pragma once
// The problem list panel `frame4`, floating over the map: title `Label8`, explanation `Label11`,
// the entries `List4` with their hidden keys `List5`, the detail box `Text1`, and the close
// labels `Label1` (element 0 closes this panel, 5 and 6 the search panels).

#include "platform/container_frame.h"
#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/lightweight_label.h"
#include "platform/listbox.h"
#include "platform/widgets_textbox.h"

namespace core {

struct ProblemPanel {
    explicit ProblemPanel(platform::Form& form);

    platform::Frame frame4;
    platform::LabelControl Label8;
    platform::LabelControl Label11;
    platform::ListBox List4;
    platform::ListBox List5;
    platform::TextBox Text1;
    platform::ControlArray<platform::LabelControl> Label1{"Label1"};
};

// A close label "X" at the top right corner of a floating panel.
platform::LabelControl& addCloseLabel(platform::ControlArray<platform::LabelControl>& labels, int index,
                                      platform::Frame& panel);

} // namespace core
