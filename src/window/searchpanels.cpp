#include "window/searchpanels.h"

#include "window/problempanel.h"

namespace core {
namespace {

constexpr int kSearchRunMs = 10;

} // namespace

SearchPanels::SearchPanels(platform::Form& form, platform::ControlArray<platform::LabelControl>& Label1)
    : Frame9(form, "Frame9"), Combo1(Frame9, "Combo1"), Command3(Frame9, "Command3"),
      Frame10(form, "Frame10"), Command1(Frame10, "Command1"), tm3("tm3") {
    Frame9.setVisible(false);
    Frame9.move(7932, 3564, 3300, 6315);
    Combo1.setText("POINTS OF INTERST");
    Combo1.move(90, 375, 2820, 315);
    platform::TextBox& chosen = Text3.addDesignElement(kCategorySearch, Frame9);
    chosen.move(90, 795, 3120, 315);
    platform::ListBox& categoryHits = List3.addDesignElement(kCategorySearch, Frame9);
    categoryHits.move(90, 1215, 3120, 4380);
    Command3.setCaption("Clear Markers");
    Command3.move(90, 5745, 1560, 375);
    addCloseLabel(Label1, 5, Frame9);

    Frame10.setVisible(false);
    Frame10.move(9240, 3312, 3300, 6315);
    platform::TextBox& name = Text3.addDesignElement(kNameSearch, Frame10);
    name.move(90, 375, 2220, 315);
    Command1.setCaption("Search");
    Command1.move(2400, 345, 810, 375);
    platform::ListBox& nameHits = List3.addDesignElement(kNameSearch, Frame10);
    nameHits.move(90, 840, 3120, 5280);
    addCloseLabel(Label1, 6, Frame10);

    tm3.setEnabled(false);
    tm3.setInterval(kSearchRunMs);
}

} // namespace core
