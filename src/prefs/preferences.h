#pragma once
// The Preferences window `settings`, shown modally by Edit > Preferences: the three map fonts,
// the OSM and GPX folders, the map background colour, the side of the zoom buttons, the travel
// speed, the base label font size, the limit of 'Green' nodes and the pattern fill.
//
// Every opening fills the fields from the settings (the font list built from the screen fonts
// the first time, from fonts.dat after); a message box or the colour dialog of the window does
// not refill them. Fonts, folders and the colour are stored as soon as they are chosen, the
// other fields by the close check, which keeps the window open until speed and font size are
// valid (prefs/closecheck.h).

#include "platform/controlarray.h"
#include "platform/folderlists.h"
#include "platform/form.h"
#include "platform/lightweight_label.h"
#include "platform/lightweight_shape.h"
#include "platform/listbox_combo.h"
#include "platform/widgets_buttons.h"
#include "platform/widgets_textbox.h"
#include "window/global.h"

namespace prefs {

inline constexpr int kOsmFolderSlot = 5;
inline constexpr int kGpxFolderSlot = 4;
// Control indices: the folder field, the font choosers, the folder kinds, the zoom-button sides.
inline constexpr int kFolderText = 4;
inline constexpr int kFirstFontChooser = 0;
inline constexpr int kLastFontChooser = 2;
inline constexpr int kOsmOption = 0;
inline constexpr int kGpxOption = 1;
inline constexpr int kZoomLeftBox = 0;
inline constexpr int kZoomRightBox = 1;

class Preferences : public platform::Form {
public:
    explicit Preferences(core::Global& g);

    platform::ControlArray<platform::LabelControl> Label1{"Label1"};   // the fields' captions
    platform::ControlArray<platform::ComboBox> Combo1{"Combo1"};       // street, places, label font
    platform::ControlArray<platform::TextBox> Text1{"Text1"};          // 1..3 previews, 4 the folder
    platform::ControlArray<platform::OptionButton> Option2{"Option2"}; // "OSM", "GPX"
    platform::DriveListBox Drive1{*this, "Drive1"};
    platform::DirListBox Dir1{*this, "Dir1"};
    platform::ControlArray<platform::CommandButton> Command4{"Command4"}; // 1 "Set Folder", 6 "..."
    platform::LabelControl Label3{*this, "Label3"};
    platform::ControlArray<platform::CommandButton> Command2{"Command2"}; // the two colour buttons
    platform::ShapeControl Shape3{*this, "Shape3"};                       // the background colour
    platform::ShapeControl Shape4{*this, "Shape4"};                       // the default colour
    platform::ControlArray<platform::CheckBox> Check1{"Check1"};          // "Zoom Left", "Zoom Right"
    platform::TextBox txmil{*this, "txmil"};
    platform::TextBox Text2{*this, "Text2"};
    platform::TextBox Text3{*this, "Text3"};
    platform::CheckBox Check2{*this, "Check2"};          // "Pattern Fill"
    platform::CommandButton Command1{*this, "Command1"}; // "OK"

    // The folderPaths slot the folder list writes: 5 OSM, 4 GPX, 0 before either is chosen.
    int folderSlot = 0;

private:
    void layOut();
    void connectHandlers();

    void Form_Activate();
    void fillFontChoosers();
    void Combo1_Click(int index);
    void Check1_MouseUp(int index);
    void Option2_Click(int index);
    void Drive1_Change();
    void Dir1_MouseDown();
    void Command4_Click();
    void Command2_Click(int index);
    void Form_QueryUnload(bool& cancel);

    core::Global& g_;
    basic::Integer sizeAtOpening_ = 0;
};

} // namespace prefs
