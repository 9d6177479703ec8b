#include "core/startup.h"

#include "basic/colour.h"
#include "basic/numtext.h"
#include "core/progress.h"
#include "platform/hourglass.h"
#include "platform/paths.h"
#include "poi/categories.h"
#include "poi/countpanel.h"
#include "prefs/settingsfile.h"
#include "routes/gpxmenu.h"
#include "window/caption.h"
#include "window/countlabels.h"
#include "window/layout.h"
#include "window/legend.h"
#include "window/mapwindow.h"
#include "window/resume.h"

#include <QFileInfo>
#include <array>

namespace core {
namespace {

constexpr int kCellStep = 380;
constexpr int kLabelStep = 381;
constexpr double kViewportTop = 690;
constexpr int kShortFontName = 3;

struct CellButton {
    ImageArray Markers::*array;
    int cell;
};

// The POI buttons in the order start-up centres them in their cells; `bus` (a picture box) goes
// in cell 5 and the single `Image1` in cell 21.
constexpr CellButton kCellButtons[] = {
    {&Markers::chrch, 0},  {&Markers::hist, 16},   {&Markers::pb, 1},      {&Markers::phone, 2},
    {&Markers::pbox, 3},   {&Markers::park, 4},    {nullptr, 5},           {&Markers::school, 6},
    {&Markers::toilet, 7}, {&Markers::shop, 8},    {&Markers::shopp, 9},   {&Markers::atm, 10},
    {&Markers::bank, 11},  {&Markers::petrol, 12}, {&Markers::hospit, 13}, {&Markers::pharm, 14},
    {&Markers::hotel, 15}, {&Markers::touri, 17},  {&Markers::stat, 22},   {&Markers::recyc, 18},
    {&Markers::coffe, 19}, {&Markers::resta, 20},
};

using ButtonOf = platform::Control& (*)(MapWindow&);

struct ProblemButton {
    ButtonOf button;
    int frame;
    int label;
};

// The problem buttons with their frames and count labels, in the order start-up fits them.
constexpr ProblemButton kProblemButtons[] = {
    {[](MapWindow& m) -> platform::Control& { return m.strips.Image2; }, 0, 30},
    {[](MapWindow& m) -> platform::Control& { return m.markers.quest[1]; }, 1, 29},
    {[](MapWindow& m) -> platform::Control& { return m.strips.chaina; }, 3, 31},
    {[](MapWindow& m) -> platform::Control& { return m.markers.quot[1]; }, 4, 27},
    {[](MapWindow& m) -> platform::Control& { return m.markers.amen[1]; }, 7, 0},
    {[](MapWindow& m) -> platform::Control& { return m.strips.shape12; }, 6, 28},
    {[](MapWindow& m) -> platform::Control& { return m.strips.Image10; }, 5, 32},
    {[](MapWindow& m) -> platform::Control& { return m.strips.Image11; }, 2, 33},
};

void folders(Global& g) {
    g.appPath = platform::appPath();
    g.dataFolder = g.appPath + "/files";
    if (!QFileInfo(QString::fromStdString(g.dataFolder)).isDir()) platform::ensureFolder(g.dataFolder);
}

// The settings' values before the settings file is read; only the controls' properties can fail.
void defaults(MapWindow& map) {
    Settings& s = map.global.settings;
    s.maxGreenNodes = 50;
    s.zoomLeft = true;
    s.streetNames = 1;
    resumeNext([&] { map.legendPanel.Check1.setValue(0); });
    s.backColour = basic::rgb(241, 238, 232);
    for (platform::PictureBox* picture : {&map.view.p1, &map.view.p2, &map.view.Picture1})
        resumeNext([&] { picture->setBackColor(basic::clng(s.backColour)); });
    s.labelFontSize = 7;
    map.global.penMode = 13;
    s.speedMph = 3.3f;
    s.legendTab = 1;
    s.patternFill = 1;
}

// The strip's cells step by 380 and their count labels by 381.
void buildLegendStrip(MapWindow& map) {
    LegendStrip& strip = map.legendStrip;
    for (int i = 1; i < kStripCells; ++i) {
        resumeNext([&] {
            platform::LabelControl& label = strip.numb[i + 1];
            label.move(strip.numb[kFirstCellLabel].left() + kLabelStep * i,
                       strip.numb[kFirstCellLabel].top());
            label.setWidth(380);
        });
        resumeNext([&] {
            platform::ShapeControl& cell = strip.Shape9.load(i);
            cell.move(strip.Shape9[kFirstCell].left() + kCellStep * i, strip.Shape9[kFirstCell].top());
            cell.setVisible(true);
            cell.zorder(0);
        });
    }
    resumeNext([&] {
        strip.Shape11[kTopEndMark].setLeft(strip.Shape9[kLastCell].left() + strip.Shape9[kFirstCell].width());
    });
    resumeNext([&] { strip.Shape11[kBottomEndMark].setLeft(strip.Shape11[kTopEndMark].left()); });
    resumeNext([&] { strip.Label13[kHideLabel].setLeft(strip.Shape11[kBottomEndMark].left()); });
    resumeNext([&] { strip.Label13[kShowLabel].setLeft(strip.Shape11[kBottomEndMark].left()); });
}

void fitButtons(MapWindow& map) {
    for (const CellButton& button : kCellButtons) {
        resumeNext([&] {
            if (button.array)
                fit(map, (map.markers.*button.array)[1], button.cell);
            else
                fit(map, map.markers.bus[1], button.cell);
        });
    }
    resumeNext([&] { fit(map, map.legendStrip.Image1, 21); });
    for (const ProblemButton& problem : kProblemButtons)
        resumeNext([&] { centreInProblemFrame(map, problem.button(map), problem.frame, problem.label); });
}

} // namespace

std::string plainIconCodeSet() {
    static constexpr std::array<char, 14> kCodes = {10, 13, 58, 37, 39, 45, 46, 50, 64, 65, 61, 52, 68, 70};
    return std::string(kCodes.begin(), kCodes.end());
}

void Form_Load(MapWindow& map) {
    Global& g = map.global;
    MapData& d = map.data;
    resumeNext([&] { folders(g); });
    g.settingsPath = g.appPath + "/img.dat";
    g.quoteChar = '"';
    defaults(map);
    resumeNext([&] {
        if (QFileInfo(QString::fromStdString(g.settingsPath)).isFile()) prefs::loadSettingsIntoWindow(map, g.settingsPath);
    });
    resumeNext([&] { showLegendPanel(map, true); });
    resumeNext([&] { map.strips.ex[kHideLegendToggle].zorder(0); });
    for (std::string& font : g.settings.fontNames) {
        if (font.size() < kShortFontName) font = "Arial";
    }
    platform::hourglassOff();
    resumeNext([&] { map.form.setWindowState(2); });
    resumeNext([&] { barvis(map, false); });
    d.plainIconCodes = plainIconCodeSet();
    g.viewOffX = 200.0f;
    resumeNext([&] { map.view.p1.setFontName("Arial"); });
    resumeNext([&] { map.form.setBackColor(basic::rgb(255, 252, 242)); });
    buildLegendStrip(map);
    for (platform::ShapeControl& frame : map.strips.Shape10) {
        resumeNext([&] {
            frame.setLeft(30);
            frame.setWidth(435);
            frame.setHeight(435);
        });
    }
    resumeNext([&] { map.view.Picture1.setTop(kViewportTop); });
    g.settings.poiMode = 1;
    resumeNext([&] { poi::showicons(map, g.settings.poiMode); });
    g.showTracks = true;
    g.showWaypoints = true;
    resumeNext([&] { routes::checkGpxMenuItems(map); });
    fitButtons(map);
    d.routeSel = -1;
    resumeNext([&] { command5_Click(map, g.settings.legendTab); });
    resumeNext([&] { setpanels(map); });
    g.progVersion = kProgVersion;
    resumeNext([&] { cap(map, ""); });
}

void Form_Activate(MapWindow& map) {
    if (map.data.formActivated) return;
    map.data.formActivated = true;
    Viewport& v = map.view;
    resumeNext([&] {
        v.p1.setAutoRedraw(true);
        v.p1.cls();
        v.p1.setPicture(QImage());
    });
    platform::hourglassOff();
    resumeNext([&] { v.VS.setValue(basic::cint(v.VS.max() / 2.0)); });
    resumeNext([&] { v.hs.setValue(basic::cint(v.hs.max() / 2.0)); });
    map.data.routeSel = -1;
    resumeNext([&] { setpanels(map); });
}

void cleartxt(MapWindow& map) {
    MapData& d = map.data;
    // The Other Nodes list the parsed project file lent goes back to it: the next drawing that
    // takes the file's problem texts takes it from there.
    d.parsedFile.takeListBack(d);
    for (std::string* text :
         {&d.hiddenAreaList, &d.fixmeList, &d.areaRecordList, &map.data.amenityList, &d.otherNodesList,
          &d.unjoinedWayList, &d.unclosedAreaList, &d.emptyTagList, &d.noteList})
        text->clear();
    map.problems.Text1.setText("");
    map.legendPanel.Text6.setText("");
    map.problems.List4.clear();
    map.problems.List5.clear();
    map.global.settings.poiMode = 0;
    map.global.reloadTrailer = true;
    d.noNameFlags.clear();
    map.search.List3[kNameSearch].clear();
    map.search.List3[kCategorySearch].clear();
    for (int i = 0; i < kStripCells; ++i)
        d.catShown[static_cast<size_t>(i)] = basic::vbFalse;
    d.countCaptions.fill(0);
    showCounts(map);
    poi::showicons(map, 0);
    poi::showtot(map, 0);
}

} // namespace core
