#include "core/filemenu.h"

#include "basic/case.h"
#include "core/filemenu_files.h"
#include "core/filemenu_output.h"
#include "core/importdriver.h"
#include "core/progress.h"
#include "core/recentfiles.h"
#include "core/startup.h"
#include "platform/dialogs.h"
#include "platform/hourglass.h"
#include "poi/chkfrm.h"
#include "poi/unloadpois.h"
#include "prefs/infor.h"
#include "prefs/updat.h"
#include "render/redraw.h"
#include "window/mapwindow.h"
#include "window/resume.h"
#include "window/viewwindow.h"

#include <string>

namespace core {
namespace {

constexpr int kOpenOsm = 0;
constexpr int kOpenParsed = 2;
constexpr int kSaveScreen = 4;
constexpr int kImportGpx = 6;
constexpr int kSaveRoute = 7;
constexpr int kAbout = 9;
constexpr int kCheckForUpdate = 11;
constexpr int kPrint = 13;
constexpr int kExit = 20;

constexpr int kOsmFolder = 5;
constexpr const char* kNameGap = "     ";

// Reads the OSM file and, when it gave a text, imports it.
void importOsm(MapWindow& map, const std::string& path) {
    std::string text = loadbinary(map, path);
    if (text.empty()) return;
    resumeNextWithMessage([&] { showmap(map, std::move(text)); });
    resumeNextWithMessage([&] { ablemenus(map, true); });
}

// The name, the wheel timer and the status bar after a file was chosen.
void announce(MapWindow& map, const std::string& name) {
    resumeNextWithMessage([&] { updatmf(map, name); });
    resumeNextWithMessage([&] { map.view.tm2.setEnabled(true); });
    resumeNextWithMessage([&] { map.view.sb1.setPanelText(1, name + kNameGap); });
}

// "Open OSM" (index 0) and "Open Parsed Files" (index 2). A cancelled dialog leaves its pattern,
// which names no file: nothing changes.
void openFile(MapWindow& map, int index) {
    const bool osm = index == kOpenOsm;
    const std::string pattern = osm ? "*.osm" : "*.vnk";
    const std::string folder = osm ? map.g.settings.folderPaths[kOsmFolder] : map.g.dataFolder;
    const std::string name =
        platform::dialogs()
            .openFile({.initDir = folder, .filter = pattern, .fileName = pattern, .title = ""})
            .value_or(pattern);
    if (!isFile(name) || name.find('*') != std::string::npos) return;

    map.g.curFile = name;
    resumeNextWithMessage([&] { poi::unloadpois(map); });
    announce(map, name);
    resumeNextWithMessage([&] { init(map); });
    map.d.trackDirty = true;
    map.d.gpxImportState = 0;
    if (osm) {
        map.g.reloadTrailer = true;
        resumeNextWithMessage([&] { map.view.sb1.setPanelText(3, ""); });
        importOsm(map, name);
    } else {
        map.g.parsedPath = map.g.curFile;
        resumeNextWithMessage([&] { cleartxt(map); });
        map.g.settings.poiMode = 1;
        resumeNextWithMessage([&] { render::redraw(map); });
        resumeNextWithMessage([&] { map.view.p1.setEnabled(true); });
    }
    resumeNextWithMessage([&] { poi::chkfrm(map); });
    platform::hourglassOff();
}

// A recent file: an OSM file (".osm" in any letter case) is imported, any other name drawn as a
// project file. A file that is gone is reported and changes nothing; an empty entry loads
// nothing but still moves to the top.
void openRecentFile(MapWindow& map, int index) {
    const std::string name = map.menus.mf[index].caption();
    if (!name.empty()) {
        if (!isFile(name)) {
            platform::dialogs().msgBox(name + " doesn't exist");
            return;
        }
        map.g.curFile = name;
        resumeNextWithMessage([&] { init(map); });
        resumeNextWithMessage([&] { poi::unloadpois(map); });
        map.g.settings.poiMode = 1;
        if (basic::lcase(name).find(".osm") != std::string::npos) {
            importOsm(map, name);
        } else {
            map.g.parsedPath = name;
            map.d.leakedAreas.clear();
            resumeNextWithMessage([&] { cleartxt(map); });
            resumeNextWithMessage([&] { render::redraw(map); });
        }
        map.d.drawBusy = false;
    }
    announce(map, name);
    platform::hourglassOff();
}

template <class Window> void showModally() {
    Window window;
    window.show(true);
}

} // namespace

void mf_Click(MapWindow& map, int index) {
    if (map.d.drawBusy || map.d.mapLoading) return;
    switch (index) {
    case kOpenOsm:
    case kOpenParsed:
        openFile(map, index);
        return;
    case kSaveScreen:
        saveScreen(map);
        return;
    case kImportGpx:
        importGpx(map);
        return;
    case kSaveRoute:
        saveRoute(map);
        return;
    case kAbout:
        showModally<prefs::Infor>();
        return;
    case kCheckForUpdate:
        showModally<prefs::Updat>();
        return;
    case kPrint:
        printScreen(map);
        return;
    case kExit:
        map.form.unload();
        return;
    default:
        if (index >= kFirstRecentFile && index < kFirstRecentFile + kRecentFileCount)
            openRecentFile(map, index);
        else
            platform::hourglassOff();
    }
}

void Image3_Click(MapWindow& map, int index) {
    if (!map.d.mapLoading) mf_Click(map, index);
}

void Image3_MouseDown(MapWindow& map, int index) {
    map.toolbars.Image3[index].setBorderStyle(1);
}

void Image3_MouseUp(MapWindow& map, int index) {
    map.toolbars.Image3[index].setBorderStyle(0);
}

void connectFileMenu(MapWindow& map) {
    map.menus.mf.onClick = [&map](int index) { mf_Click(map, index); };
    platform::ArrayEvents& tools = map.toolbars.Image3;
    tools.onClick = [&map](int index) { Image3_Click(map, index); };
    tools.onMouseDown = [&map](int index, int, int, double, double) { Image3_MouseDown(map, index); };
    tools.onMouseUp = [&map](int index, int, int, double, double) { Image3_MouseUp(map, index); };
}

} // namespace core
