#include "window/problempanel.h"

#include "basic/colour.h"

namespace core {

platform::LabelControl& addCloseLabel(platform::ControlArray<platform::LabelControl>& labels, int index,
                                      platform::Frame& panel) {
    platform::LabelControl& close = labels.addDesignElement(index, panel);
    close.setCaption("X");
    close.setAlignment(2);
    close.setFontBold(true);
    close.setForeColor(basic::rgb(192, 0, 0));
    close.move(panel.width() - 330, 90, 240, 240);
    return close;
}

ProblemPanel::ProblemPanel(platform::Form& form)
    : frame4(form, "frame4"), Label8(frame4, "Label8"), Label11(frame4, "Label11"), List4(frame4, "List4"),
      List5(frame4, "List5", false), Text1(frame4, "Text1", true) {
    frame4.setVisible(false);
    frame4.move(7356, 5496, 3300, 3705);
    Label8.setCaption("Amenities without icons:");
    Label8.setFontBold(true);
    Label8.move(90, 120, 2850, 255);
    Label11.setFontSize(7);
    Label11.move(90, 405, 3120, 420);
    List4.move(90, 855, 3120, 2100);
    List5.move(90, 855, 3120, 2100);
    Text1.setVisible(false);
    Text1.move(90, 2985, 3120, 630);
    addCloseLabel(Label1, 0, frame4);
}

} // namespace core
