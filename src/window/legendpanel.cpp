#include "window/legendpanel.h"

#include "basic/colour.h"
#include "platform/artwork.h"
#include "window/colourkey.h"

#include <string>

namespace core {
namespace {

const char* const kTabCaptions[kLegendTabs] = {"Authors", " Icons", "Legend 1", "Legend 2"};
constexpr double kTabLeft[2] = {45, 765};
constexpr double kTabTop[2] = {90, 360};
constexpr double kTabWidth = 705;
constexpr double kTabHeight = 255;
constexpr double kPageWidth = 1740;
constexpr double kIconsPageWidth = 1890;
// The vertical scroll bar lies over the panel's right edge: the pages keep their content left of it.
constexpr double kContentWidth = 1380;

// The icon store: every icon number but 6 (no code uses it); the religion pictures and the named
// bus stop belong to the store but not to the page.
constexpr int kLastIcon = 74;
constexpr bool inStore(int n) {
    return n != 6;
}
constexpr bool onIconsPage(int n) {
    return inStore(n) && n != 37 && n != 38 && n != 39 && n != 71 && n != 73;
}
constexpr int kIconColumns = 4;
constexpr double kIconStep = 345;

// Colour key geometry within a page.
constexpr double kSwatchLeft[2] = {180, 870};
constexpr double kSwatchMiddle = 525;
constexpr double kSwatchWidth = 345;
constexpr double kSwatchHeight = 225;
constexpr double kForestHeight = 270;
constexpr double kCaptionDrop = 255;
constexpr double kCaptionWidth = 690;
constexpr double kCaptionHeight = 390; // room for a caption of two lines
constexpr double kRowStep = 690;
constexpr double kHeadingStep = 300;

void checkBox(platform::CheckBox& box, const char* caption, double top) {
    box.setCaption(caption);
    box.move(60, top, kContentWidth, 255);
}

void swatch(LegendPanel& panel, platform::Frame& page, const KeySwatch& key, double left, double top) {
    platform::ShapeControl& shape = panel.Shape6.addDesignElement(key.shape, page);
    shape.setFillStyle(0);
    shape.move(left, top, kSwatchWidth, key.shape == 0 ? kForestHeight : kSwatchHeight);
    platform::LabelControl& caption = panel.Label10.addDesignElement(key.label, page);
    caption.setCaption(std::string(key.caption));
    caption.setBackStyle(0);
    caption.setAlignment(2);
    caption.setFontSize(7);
    caption.move(left + (kSwatchWidth - kCaptionWidth) / 2, top + kCaptionDrop, kCaptionWidth,
                 kCaptionHeight);
}

// Each section: its heading, then its swatches two to a row, a row's single swatch in the middle.
void colourKey(LegendPanel& panel) {
    double top[kLegendTabs] = {0, 0, 90, 90};
    for (int section = 0; section < static_cast<int>(kKeySections.size()); ++section) {
        const int pageIndex = keyPage(section);
        platform::Frame& page = panel.Fram4[pageIndex];
        double& y = top[pageIndex];
        platform::LabelControl& heading = panel.sectionHeading.addDesignElement(section, page);
        heading.setCaption(std::string(kKeySections[static_cast<size_t>(section)]));
        heading.setBackStyle(0);
        heading.setFontBold(true);
        heading.move(60, y, kContentWidth, 240);
        y += kHeadingStep;

        int count = 0;
        for (const KeySwatch& key : kColourKey)
            count += key.section == section;
        int placed = 0;
        for (const KeySwatch& key : kColourKey) {
            if (key.section != section) continue;
            const bool single = placed % 2 == 0 && placed == count - 1;
            swatch(panel, page, key, single ? kSwatchMiddle : kSwatchLeft[placed % 2], y);
            ++placed;
            if (placed % 2 == 0 || single) y += kRowStep;
        }
    }
}

// The panel and its four pages, all at the same place; page 0 is returned.
platform::Frame& makePages(platform::Frame& panel, platform::ControlArray<platform::Frame>& pages) {
    panel.move(13800, 765, 1830, 9180);
    for (int i = 0; i < kLegendTabs; ++i) {
        platform::Frame& page = pages.addDesignElement(i, panel);
        page.setBorderStyle(0);
        page.move(45, 645, i == 1 ? kIconsPageWidth : kPageWidth, 8400);
    }
    return pages[kAuthorsPage];
}

} // namespace

LegendPanel::LegendPanel(platform::Form& form)
    : Frame2(form, "Frame2"), authorsPage(makePages(Frame2, Fram4)), Check1(authorsPage, "Check1"),
      Label12(authorsPage, "Label12"), Check4(authorsPage, "Check4"), Check2(authorsPage, "Check2"),
      Check5(authorsPage, "Check5"), Check3(authorsPage, "Check3"), Text6(authorsPage, "Text6"),
      List1(authorsPage, "List1"), iconsTitle(Fram4[kIconsPage], "iconsTitle") {
    for (int i = 0; i < kLegendTabs; ++i) {
        platform::ShapeControl& highlight = Shape7.addDesignElement(i, Frame2);
        platform::LabelControl& tab = command5.addDesignElement(i, Frame2);
        const double left = kTabLeft[i % 2];
        const double top = kTabTop[i / 2];
        highlight.setBackStyle(1);
        highlight.setBackColor(basic::rgb(224, 224, 224));
        highlight.setBorderColor(basic::rgb(160, 160, 160));
        highlight.move(left, top, kTabWidth, kTabHeight);
        tab.setCaption(kTabCaptions[i]);
        tab.setBackStyle(0);
        tab.setAlignment(2);
        tab.move(left, top + 15, kTabWidth, kTabHeight - 15);
    }

    Check1.move(60, 60, 240, 255);
    Label12.setCaption(" Street Names");
    Label12.setBackStyle(0);
    Label12.move(300, 75, kContentWidth - 240, 225);
    checkBox(Check4, "Area Tags", 375);
    checkBox(Check2, "All Authors", 690);
    Check2.setValue(1);
    checkBox(Check5, "Show Dates", 1005);
    Check3.move(60, 1320, 240, 255);
    Check3.setVisible(false);
    Text6.setToolTipText("press Enter");
    Text6.move(60, 1335, kContentWidth, 315);
    List1.setToolTipText("Dbl Click on Author");
    List1.move(60, 1740, kContentWidth, 5400);

    iconsTitle.setCaption("Additional Icons");
    iconsTitle.setBackStyle(0);
    iconsTitle.setAlignment(2);
    iconsTitle.move(60, 60, kContentWidth, 255);
    int shown = 0;
    for (int n = 0; n <= kLastIcon; ++n) {
        if (!inStore(n)) continue;
        platform::ImageControl& icon = im.addDesignElement(n, Fram4[kIconsPage]);
        icon.setArtwork("poi/x" + std::to_string(n));
        if (onIconsPage(n)) {
            icon.move(120 + (shown % kIconColumns) * kIconStep, 390 + (shown / kIconColumns) * kIconStep);
            ++shown;
        } else {
            icon.setVisible(false);
        }
    }

    colourKey(*this);
}

} // namespace core
