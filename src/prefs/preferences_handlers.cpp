// The handlers of the Preferences window. Filling the fields, the font, folder and option
// handlers skip a failing step silently: the control concerned stays as it was.

#include "basic/colour.h"
#include "basic/numtext.h"
#include "platform/control_keys.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/hourglass.h"
#include "platform/screenfonts.h"
#include "prefs/closecheck.h"
#include "prefs/fontlist.h"
#include "prefs/preferences.h"
#include "window/resume.h"

#include <string>

namespace prefs {
namespace {

using core::resumeNext;

constexpr int kZoomLeft = 0;
constexpr int kBackgroundColour = 0;
constexpr int kComma = ',';
constexpr const char* kDefaultFont = "Arial";
constexpr std::size_t kShortestFontName = 3;

const basic::Long kDefaultColour = static_cast<basic::Long>(basic::rgb(241, 238, 232));

// Shows a font name in the preview, in its own face.
void preview(platform::TextBox& box, const std::string& name) {
    box.setText(name);
    box.setFontName(name);
}

void dropComma(int& keyAscii) {
    if (keyAscii == kComma) keyAscii = 0;
}

} // namespace

void Preferences::connectHandlers() {
    onActivate = [this] { Form_Activate(); };
    onQueryUnload = [this](bool& cancel) { Form_QueryUnload(cancel); };
    Combo1.onClick = [this](int index) { Combo1_Click(index); };
    Check1.onMouseUp = [this](int index, int, int, double, double) { Check1_MouseUp(index); };
    Option2.onClick = [this](int index) { Option2_Click(index); };
    Drive1.onChange = [this] { Drive1_Change(); };
    Dir1.onMouseDown = [this](int, int, double, double) { Dir1_MouseDown(); };
    Command4.onClick = [this](int) { Command4_Click(); };
    Command2.onClick = [this](int index) { Command2_Click(index); };
    Text2.onKeyPress = dropComma;
    Text3.onKeyPress = dropComma;
    Command1.onClick = [this] { unload(); };
}

void Preferences::Form_Activate() {
    core::Settings& s = g_.settings;
    resumeNext([] { platform::hourglassOn(); });
    resumeNext([&] { Label3.setCaption("Double Click on Folder to Locate\r\nClick Set Folder to save"); });
    resumeNext([&] { fillFontChoosers(); });
    resumeNext([] { platform::hourglassOff(); });
    for (int slot = 0; slot < 3; ++slot) {
        std::string& name = s.fontNames[static_cast<std::size_t>(slot)];
        if (name.size() < kShortestFontName) name = kDefaultFont;
        resumeNext([&] { preview(Text1[slot + 1], name); });
    }
    resumeNext([&] {
        Check1[kZoomRightBox].setValue(s.zoomLeft ? 0 : 1);
        Check1[kZoomLeftBox].setValue(s.zoomLeft ? 1 : 0);
    });
    resumeNext([&] { Shape3.setBackColor(basic::clng(s.backColour)); });
    resumeNext([&] { Shape4.setBackColor(kDefaultColour); });
    txmil.setText(basic::dec(s.speedMph));
    Text2.setText(basic::dec(s.labelFontSize));
    Text3.setText(basic::dec(s.maxGreenNodes));
    Dir1.setEnabled(false);
    resumeNext([&] { Check2.setValue(s.patternFill); });
    sizeAtOpening_ = s.labelFontSize;
}

// The list comes from fonts.dat; when that file yields no name it is gathered from the screen
// (names with "@" left out) and written anew. The other two choosers copy the first.
void Preferences::fillFontChoosers() {
    const std::string path = g_.dataFolder + "/fonts.dat";
    resumeNext([&] { loadFontList(Combo1[kFirstFontChooser], path, g_); });
    if (Combo1[kFirstFontChooser].listCount() == 0) {
        platform::dialogs().msgBox("Font data not found: Compiling fonts.");
        Combo1[kFirstFontChooser].clear();
        for (std::string& name : platform::screenFonts()) {
            if (name.find('@') == std::string::npos) Combo1[kFirstFontChooser].addItem(std::move(name));
            if (platform::inputPending()) platform::doEvents();
        }
        resumeNext([&] { saveFontList(Combo1[kFirstFontChooser], path, g_); });
    }
    for (int chooser = kFirstFontChooser + 1; chooser <= kLastFontChooser; ++chooser) {
        Combo1[chooser].clear();
        for (int i = 0; i < Combo1[kFirstFontChooser].listCount(); ++i) {
            if (platform::inputPending()) platform::doEvents();
            Combo1[chooser].addItem(Combo1[kFirstFontChooser].list(i));
        }
    }
}

void Preferences::Combo1_Click(int index) {
    resumeNext([&] {
        const std::string name = Combo1[index].text();
        preview(Text1[index + 1], name);
        g_.settings.fontNames.at(static_cast<std::size_t>(index)) = name;
    });
}

// The pair stays exclusive: the other box takes the opposite of the one clicked.
void Preferences::Check1_MouseUp(int index) {
    Check1[1 - index].setValue(Check1[index].value() == 0 ? 1 : 0);
}

void Preferences::Option2_Click(int index) {
    const int slot = index == 0 ? kOsmFolderSlot : kGpxFolderSlot;
    const std::string& folder = g_.settings.folderPaths[static_cast<std::size_t>(slot)];
    resumeNext([&] { Text1[kFolderText].setEnabled(true); });
    resumeNext([&] { Dir1.setEnabled(true); });
    resumeNext([&] { Drive1.setEnabled(true); });
    resumeNext([&] { Dir1.setPath(folder); });
    resumeNext([&] { Text1[kFolderText].setText(folder); });
    folderSlot = slot;
}

void Preferences::Drive1_Change() {
    core::resumeNextWithMessage([&] { Dir1.setPath(Drive1.drive()); });
}

void Preferences::Dir1_MouseDown() {
    resumeNext([&] {
        Text1[kFolderText].setText(Dir1.path());
        g_.settings.folderPaths.at(static_cast<std::size_t>(folderSlot)) = Dir1.path();
    });
}

void Preferences::Command4_Click() {
    Text1[kFolderText].setEnabled(true);
    const bool osm = Option2[kOsmOption].value();
    if (!osm && !Option2[kGpxOption].value()) {
        platform::dialogs().msgBox("Please select OSM or GPX");
        return;
    }
    Dir1.setEnabled(true);
    Drive1.setEnabled(true);
    folderSlot = osm ? kOsmFolderSlot : kGpxFolderSlot;
    g_.settings.folderPaths[static_cast<std::size_t>(folderSlot)] = Text1[kFolderText].text();
    platform::dialogs().msgBox("Path has been saved");
}

// A cancelled colour dialog keeps the colour; "default colour" shows at once.
void Preferences::Command2_Click(int index) {
    core::Settings& s = g_.settings;
    if (index == kBackgroundColour) {
        const auto chosen = platform::dialogs().chooseColour(basic::clng(s.backColour));
        if (!chosen) return;
        s.backColour = *chosen;
    } else {
        s.backColour = kDefaultColour;
    }
    Shape3.setBackColor(basic::clng(s.backColour));
}

void Preferences::Form_QueryUnload(bool& cancel) {
    const ClosingFields fields{.zoomLeft = Check1[kZoomLeft].value() == 1,
                               .speed = txmil.text(),
                               .fontSize = Text2.text(),
                               .greenNodes = Text3.text(),
                               .patternFill = static_cast<basic::Integer>(Check2.value() == 1 ? 1 : 0)};
    for (std::string_view message : closeCheck(fields, sizeAtOpening_, g_.settings)) {
        platform::dialogs().msgBox(message);
        cancel = true;
    }
}

} // namespace prefs
