#include "window/legendstrip.h"

#include "basic/colour.h"
#include "platform/artwork.h"

namespace core {
namespace {

constexpr int kFirstProblemLabel = 26;

void countLabel(platform::LabelControl& label, double left, double top, double width, double height) {
    label.setCaption("0");
    label.setBackStyle(0);
    label.setAlignment(2);
    label.setFontSize(7);
    label.move(left, top, width, height);
}

} // namespace

LegendStrip::LegendStrip(platform::Form& form, SideStrips& strips) : Image1(form, "Image1") {
    platform::ShapeControl& band = Shape4.addDesignElement(4, form);
    band.setShape(4);
    band.setBackStyle(1);
    band.setBackColor(basic::rgb(236, 236, 250));
    band.setBorderColor(basic::rgb(192, 192, 224));
    band.move(5550, 36, 9540, 648);

    platform::ShapeControl& cell = Shape9.addDesignElement(0, form);
    cell.setShape(5);
    cell.setBackStyle(1);
    cell.setBackColor(basic::rgb(255, 224, 192));
    cell.setBorderColor(basic::rgb(128, 128, 255));
    cell.move(5616, 84, 432, 348);

    for (int i = 0; i < kCountLabels; ++i) {
        const bool problem = i == 0 || i >= kFirstProblemLabel;
        platform::LabelControl& label =
            numb.addDesignElement(i, problem ? static_cast<platform::Container&>(strips.left)
                                             : static_cast<platform::Container&>(form));
        if (problem) {
            countLabel(label, 50, 0, 380, 195);
        } else {
            countLabel(label, 5640, 444, 384, 240);
            label.setVisible(i <= kStripCells);
        }
    }
    // Label 26 counts the highways not joined, whose list has no button of its own in the strip.
    numb[kFirstProblemLabel].setVisible(false);

    for (int i = 1; i <= 2; ++i) {
        platform::ShapeControl& mark = Shape11.addDesignElement(i, form);
        mark.setBorderColor(basic::rgb(128, 128, 255));
        mark.move(14460, i == 1 ? 84 : 384, 600, 270);
    }
    const char* captions[] = {"Hide", "Show"};
    for (int i = 0; i < 2; ++i) {
        platform::LabelControl& label = Label13.addDesignElement(i, form);
        label.setCaption(captions[i]);
        label.setBackStyle(0);
        label.setAlignment(2);
        label.move(14460, i == 1 ? 114 : 414, 600, 225);
    }

    Image1.setArtwork("poi/ADR");
    Image1.setToolTipText(" addresses ");
    Image1.move(5616, 84);
}

} // namespace core
