#include "prefs/preferences.h"

#include "basic/colour.h"

#include <string>

namespace prefs {
namespace {

constexpr double kFormWidth = 6540;
constexpr double kFormHeight = 6900;
constexpr double kMargin = 120;
constexpr double kRowHeight = 315;
constexpr double kCaptionWidth = 2040;
constexpr double kFieldLeft = kMargin + kCaptionWidth;
constexpr double kChooserWidth = 2160;
constexpr double kPreviewLeft = kFieldLeft + kChooserWidth + 120;
constexpr double kPreviewWidth = kFormWidth - kMargin - kPreviewLeft;
constexpr double kFontRowTop[3] = {120, 540, 960};
constexpr double kFolderTop = 1500;
constexpr double kColourTop = 4620;
constexpr double kNumberTop[3] = {5160, 5580, 6000};
constexpr double kNumberWidth = 720;

enum Caption {
    StreetFont,
    PlacesFont,
    LabelFont,
    RouteCalibration,
    MilesPerHour,
    MinimumFontSize,
    GreenNodes
};
constexpr const char* kCaptions[] = {"Street Font",          "Places Font",  "Label Font",
                                     "Route Calibration",    "miles / hour", "Minimum Font Size",
                                     "Maximum 'Green' nodes"};

platform::LabelControl& fieldCaption(Preferences& form, Caption which, double left, double top,
                                     double width) {
    platform::LabelControl& label = form.Label1.addDesignElement(which, form);
    label.setCaption(kCaptions[which]);
    label.setBackStyle(0);
    label.move(left, top + 45, width, kRowHeight);
    return label;
}

platform::TextBox& textBox(platform::TextBox& box, const char* text, double left, double top, double width) {
    box.setText(text);
    box.move(left, top, width, kRowHeight);
    return box;
}

template <class Button>
Button& button(Button& control, const char* text, double left, double top, double width, double height) {
    control.setCaption(text);
    control.move(left, top, width, height);
    return control;
}

void swatch(platform::ShapeControl& shape, double left) {
    shape.setBackStyle(1);
    shape.setBackColor(static_cast<std::int32_t>(basic::rgb(241, 238, 232)));
    shape.move(left, kColourTop, 720, 375);
}

} // namespace

Preferences::Preferences(core::Global& g) : platform::Form("settings"), g_(g) {
    setCaption("Settings");
    layOut();
    connectHandlers();
}

void Preferences::layOut() {
    setFixedClientSize(kFormWidth, kFormHeight);
    for (int slot = 0; slot < 3; ++slot) {
        const double top = kFontRowTop[slot];
        fieldCaption(*this, static_cast<Caption>(slot), kMargin, top, kCaptionWidth);
        Combo1.addDesignElement(slot, *this).move(kFieldLeft, top, kChooserWidth, kRowHeight);
        textBox(Text1.addDesignElement(slot + 1, *this), "font", kPreviewLeft, top, kPreviewWidth);
    }

    const double folderWidth = kFormWidth - 2 * kMargin;
    button(Option2.addDesignElement(0, *this), "OSM", kMargin, kFolderTop, 900, 255);
    button(Option2.addDesignElement(1, *this), "GPX", kMargin + 1020, kFolderTop, 900, 255);
    Label3.setBackStyle(0);
    Label3.move(kMargin + 2160, kFolderTop - 60, folderWidth - 2160, 480);
    platform::TextBox& folder =
        textBox(Text1.addDesignElement(4, *this), "path", kMargin, kFolderTop + 480, folderWidth - 540);
    folder.setEnabled(false);
    button(Command4.addDesignElement(6, *this), "...", kFormWidth - kMargin - 420, kFolderTop + 480, 420,
           kRowHeight);
    Drive1.move(kMargin, kFolderTop + 900, 3600, kRowHeight);
    Drive1.setEnabled(false);
    Dir1.move(kMargin, kFolderTop + 1320, 4440, 1680);
    Dir1.setEnabled(false);
    button(Command4.addDesignElement(1, *this), "Set Folder", kMargin + 4620, kFolderTop + 1320,
           folderWidth - 4620, 375);

    button(Command2.addDesignElement(0, *this), "background colour", kMargin, kColourTop, 1920, 375);
    swatch(Shape3, kMargin + 2040);
    button(Command2.addDesignElement(1, *this), "default colour", kMargin + 3000, kColourTop, 1920, 375);
    swatch(Shape4, kMargin + 5040);

    const double tickLeft = kFormWidth - kMargin - 1800;
    button(Check1.addDesignElement(0, *this), "Zoom Left", tickLeft, kNumberTop[0], 1800, 255);
    button(Check1.addDesignElement(1, *this), "Zoom Right", tickLeft, kNumberTop[1], 1800, 255);
    button(Check2, "Pattern Fill", tickLeft, kNumberTop[2], 1800, 255);

    fieldCaption(*this, RouteCalibration, kMargin, kNumberTop[0], kCaptionWidth);
    textBox(txmil, "3.3", kFieldLeft, kNumberTop[0], kNumberWidth);
    fieldCaption(*this, MilesPerHour, kFieldLeft + kNumberWidth + 60, kNumberTop[0], 1020);
    fieldCaption(*this, MinimumFontSize, kMargin, kNumberTop[1], kCaptionWidth);
    textBox(Text2, "7", kFieldLeft, kNumberTop[1], kNumberWidth);
    fieldCaption(*this, GreenNodes, kMargin, kNumberTop[2], kCaptionWidth);
    textBox(Text3, "50", kFieldLeft, kNumberTop[2], kNumberWidth);

    button(Command1, "OK", kFormWidth - kMargin - 1200, kFormHeight - kMargin - 375, 1200, 375);
}

} // namespace prefs
