#include "core/filemenu.h"

#include "basic/case.h"
#include "core/filemenu_files.h"
#include "core/filemenu_output.h"
#include "core/importdriver.h"
#include "core/progress.h"
#include "core/recentfiles.h"
#include "core/startup.h"
#include "import/loadbinary.h"
#include "platform/dialogs.h"
#include "platform/hourglass.h"
#include "poi/reopenproblemlist.h"
#include "poi/unloadpois.h"
#include "prefs/aboutbox.h"
#include "prefs/updatedialog.h"
#include "window/mapwindow.h"
#include "window/redrawrequest.h"
#include "window/resume.h"
#include "window/viewwindow.h"

#include <optional>
#include <string>
#include <sys/stat.h>

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

// What names the map on screen: the file, the recent files, the status bar's name panel and the
// caption.
struct ShownFile {
    std::string curFile;
    RecentFiles recent;
    std::string namePanel;
    std::string caption;

    explicit ShownFile(const MapWindow& map)
        : curFile(map.global.curFile), namePanel(map.view.sb1.panelText(1)), caption(map.form.caption()) {
        for (int i = 0; i < kRecentFileCount; ++i)
            recent[static_cast<size_t>(i)] = map.menus.mf[kFirstRecentFile + i].caption();
    }

    // An import that shows no new map (cancelled, stopped, or its project file not written)
    // leaves the previous map on screen: its names come back with it.
    void restore(MapWindow& map) const {
        map.global.curFile = curFile;
        for (int i = 0; i < kRecentFileCount; ++i)
            map.menus.mf[kFirstRecentFile + i].setCaption(recent[static_cast<size_t>(i)]);
        map.view.sb1.setPanelText(1, namePanel);
        // The drawing of the previous map named the chosen file, still current while it ran.
        map.form.setCaption(caption);
    }
};

// The one message for a file that gives nothing to read, naming it; true when there was one.
bool refusedFile(const std::string& path) {
    const std::optional<std::string> why = osmimport::unreadableFile(path);
    if (why) platform::dialogs().msgBox(*why);
    return why.has_value();
}

// "Open Parsed Files" ends silently on a name that names nothing; a folder, a pipe or a device
// of that name is refused with the message that names it.
bool refusedProject(const std::string& path) {
    if (isFile(path)) return false;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) refusedFile(path);
    return true;
}

// The project file the map is drawn from is the one opened, as it now stands.
void openProjectFile(MapWindow& map, const std::string& path) {
    map.global.parsedPath = path;
    map.data.parsedFile.fileOpened();
}

// Reads the OSM file and, when it gave a text, imports it. True when the new map is shown.
bool importOsm(MapWindow& map, const std::string& path) {
    std::string text = loadbinary(map, path);
    if (text.empty()) return false;
    bool shown = false;
    resumeNextWithMessage([&] { shown = showmap(map, std::move(text)); });
    resumeNextWithMessage([&] { ablemenus(map, true); });
    return shown;
}

// The name, the wheel timer and the status bar after a file was chosen.
void announce(MapWindow& map, const std::string& name) {
    resumeNextWithMessage([&] { moveRecentFileToTop(map, name); });
    resumeNextWithMessage([&] { map.view.tm2.setEnabled(true); });
    resumeNextWithMessage([&] { map.view.sb1.setPanelText(1, name + kNameGap); });
}

// "Open OSM" (index 0) and "Open Parsed Files" (index 2). A cancelled dialog leaves its pattern,
// which names no file: nothing changes.
void openFile(MapWindow& map, int index) {
    const bool osm = index == kOpenOsm;
    const std::string pattern = osm ? "*.osm" : "*.vnk";
    const std::string folder = osm ? map.global.settings.folderPaths[kOsmFolder] : map.global.dataFolder;
    const std::string name =
        platform::dialogs()
            .openFile({.initDir = folder, .filter = pattern, .fileName = pattern, .title = ""})
            .value_or(pattern);
    if (name.find('*') != std::string::npos) return;
    if (osm ? refusedFile(name) : refusedProject(name)) return;

    const ShownFile before(map);
    map.global.curFile = name;
    resumeNextWithMessage([&] { poi::unloadpois(map); });
    announce(map, name);
    resumeNextWithMessage([&] { init(map); });
    map.data.trackDirty = true;
    map.data.gpxImportState = 0;
    if (osm) {
        map.global.reloadTrailer = true;
        resumeNextWithMessage([&] { map.view.sb1.setPanelText(3, ""); });
        if (!importOsm(map, name)) before.restore(map);
    } else {
        openProjectFile(map, map.global.curFile);
        resumeNextWithMessage([&] { cleartxt(map); });
        map.global.settings.poiMode = 1;
        resumeNextWithMessage([&] { redrawMap(map); });
        resumeNextWithMessage([&] { map.view.p1.setEnabled(true); });
    }
    resumeNextWithMessage([&] { poi::reopenProblemList(map); });
    platform::hourglassOff();
}

// A recent file: an OSM file (".osm" in any letter case) is imported, any other name drawn as a
// project file. A file that is gone is reported and changes nothing; an empty entry loads
// nothing but still moves to the top.
void openRecentFile(MapWindow& map, int index) {
    const std::string name = map.menus.mf[index].caption();
    if (!name.empty()) {
        const bool osm = basic::lcase(name).find(".osm") != std::string::npos;
        if (refusedFile(name)) return;
        const ShownFile before(map);
        map.global.curFile = name;
        resumeNextWithMessage([&] { init(map); });
        resumeNextWithMessage([&] { poi::unloadpois(map); });
        map.global.settings.poiMode = 1;
        if (osm) {
            if (!importOsm(map, name)) {
                before.restore(map);
                map.data.drawBusy = false;
                platform::hourglassOff();
                return;
            }
        } else {
            openProjectFile(map, name);
            map.data.leakedAreas.clear();
            resumeNextWithMessage([&] { cleartxt(map); });
            resumeNextWithMessage([&] { redrawMap(map); });
        }
        map.data.drawBusy = false;
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
    if (map.data.drawBusy || map.data.mapLoading) return;
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
        showModally<prefs::AboutBox>();
        return;
    case kCheckForUpdate:
        showModally<prefs::UpdateDialog>();
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
    if (!map.data.mapLoading) mf_Click(map, index);
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
