// The File menu's entries that open files, the recent files, the modal boxes, "Exit" and the
// toolbar.

#include "core/filemenu.h"
#include "core/recentfiles.h"
#include "window/webaddresses.h"
#include "core/window_fixture.h"
#include "platform/controls_testing.h"
#include "platform/hourglass.h"
#include "prefs/updatecheck.h"
#include "support/cannedserver.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeySequence>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <sys/stat.h>

namespace core::testing {
namespace {

constexpr int kOpenOsm = 0;
constexpr int kOpenParsed = 2;

class FileMenuTest : public WindowTest {
protected:
    std::string path(const std::string& name) const { return appPath() + "/" + name; }

    std::string copyData(const std::string& from, const std::string& to) const {
        QFile::copy(QString(VK_TEST_DATA) + "/" + QString::fromStdString(from),
                    QString::fromStdString(path(to)));
        return path(to);
    }

    std::string write(const std::string& name, const std::string& bytes) const {
        QFile file(QString::fromStdString(path(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path(name);
    }

    static void setRecentFiles(MapWindow& map, const RecentFiles& names) {
        for (int i = 0; i < kRecentFileCount; ++i)
            map.menus.mf[kFirstRecentFile + i].setCaption(names[static_cast<size_t>(i)]);
    }

    static RecentFiles recentFiles(const MapWindow& map) {
        RecentFiles names;
        for (int i = 0; i < kRecentFileCount; ++i)
            names[static_cast<size_t>(i)] = map.menus.mf[kFirstRecentFile + i].caption();
        return names;
    }

    static std::vector<std::string> countCaptions(const MapWindow& map) {
        std::vector<std::string> captions;
        for (int i = 0; i < kCountLabels; ++i)
            captions.push_back(map.legendStrip.numb[i].caption());
        return captions;
    }

    // "Open OSM" on `file`, with `watch` run at every pass of the event queue the import makes.
    void openWatched(MapWindow& map, const std::string& file, const std::function<void()>& watch) {
        dialogs().scriptOpenFile(file);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, watch);
        poll.start(0);
        mf_Click(map, kOpenOsm);
    }

    // A view away from the one a file open gives.
    static void moveView(MapWindow& map) {
        map.global.viewZoom = 5.6f;
        map.global.viewOffX = 123;
    }

    static void expectViewUnmoved(const MapWindow& map) {
        EXPECT_EQ(map.global.viewZoom, 5.6f);
        EXPECT_EQ(map.global.viewOffX, 123);
    }
};

// A cancelled dialog leaves its pattern, and a name holding "*" is never opened.
TEST_F(FileMenuTest, CancelledOpenChangesNothing) {
    MapWindow& map = load();
    moveView(map);
    setRecentFiles(map, {"a", "b", "c", "d"});
    map.global.settings.folderPaths[5] = "/maps/osm";
    const std::string starred = write("star*.osm", "<osm/>");
    for (const std::optional<std::string>& answer : {std::optional<std::string>(), std::optional(starred)}) {
        for (int index : {kOpenOsm, kOpenParsed}) {
            dialogs().scriptOpenFile(answer);
            mf_Click(map, index);
        }
    }
    EXPECT_EQ(map.global.curFile, "");
    EXPECT_EQ(recentFiles(map), (RecentFiles{"a", "b", "c", "d"}));
    expectViewUnmoved(map);
    ASSERT_EQ(dialogs().shown().size(), 4u) << "no message";
    const platform::FileDialogRequest& osm = dialogs().shown()[0].request;
    EXPECT_EQ(osm.initDir, "/maps/osm");
    EXPECT_EQ(osm.filter, "*.osm");
    EXPECT_EQ(osm.fileName, "*.osm");
    const platform::FileDialogRequest& parsed = dialogs().shown()[1].request;
    EXPECT_EQ(parsed.initDir, map.global.dataFolder);
    EXPECT_EQ(parsed.filter, "*.vnk");
    EXPECT_EQ(parsed.fileName, "*.vnk");
}

TEST_F(FileMenuTest, OpenParsedFilesDrawsTheProjectFile) {
    MapWindow& map = load();
    moveView(map);
    map.markers.pointr.load(1);
    map.data.pointrList = "#12#";
    map.view.p1.setEnabled(false);
    const std::string file = copyData("import/pretty-double.vnk", "york.vnk");
    dialogs().scriptOpenFile(file);
    mf_Click(map, kOpenParsed);

    EXPECT_EQ(map.global.curFile, file);
    EXPECT_EQ(map.global.parsedPath, file);
    EXPECT_EQ(map.menus.mf[kFirstRecentFile].caption(), file);
    EXPECT_EQ(map.view.sb1.panelText(1), file + "     ");
    EXPECT_EQ(map.global.viewZoom, 1.4f) << "the view is reset";
    EXPECT_TRUE(map.data.trackDirty);
    EXPECT_FALSE(map.markers.pointr.exists(1)) << "the old search hits are gone";
    EXPECT_TRUE(map.view.p1.enabled());
    EXPECT_TRUE(map.view.tm2.enabled());
    EXPECT_FALSE(map.data.drawBusy);
    EXPECT_EQ(platform::screenMousePointer(), platform::kDefaultPointer);
}

TEST_F(FileMenuTest, OpenOsmImportsTheFile) {
    MapWindow& map = load();
    moveView(map);
    const std::string file = copyData("import/pretty-double.osm", "Leeds.osm");
    dialogs().scriptOpenFile(file);
    mf_Click(map, kOpenOsm);

    EXPECT_EQ(map.global.curFile, file);
    EXPECT_EQ(map.global.parsedPath, map.global.dataFolder + "/Leeds.vnk");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(map.global.parsedPath)));
    EXPECT_GT(map.data.nodeCount, 0);
    EXPECT_EQ(map.menus.mf[kFirstRecentFile].caption(), file);
    EXPECT_EQ(map.global.viewZoom, 1.4f);
    EXPECT_TRUE(map.menus.mfil.enabled());
    EXPECT_FALSE(map.data.mapLoading);
    EXPECT_FALSE(map.data.drawBusy);
    EXPECT_EQ(dialogs().shown().size(), 1u) << "no message";
    EXPECT_EQ(platform::screenMousePointer(), platform::kDefaultPointer);
    // The import hid the bar at its end; the drawing shows it again.
    EXPECT_TRUE(map.progress.progimage.visible());
}

// A file name is no markup: the caption, the status bar and the recent-file entry show it as it
// is written, with no entity decoded and no "&" taken for a shortcut mark.
TEST_F(FileMenuTest, AFileNameShowsItsExactCharactersInTheCaptionStatusBarAndMenu) {
    MapWindow& map = load();
    map.form.window()->winId(); // the window the system shows, with the title as shown
    const std::string file = copyData("import/pretty-double.osm", "Bay & Co &amp;.osm");
    dialogs().scriptOpenFile(file);
    mf_Click(map, kOpenOsm);
    ASSERT_EQ(map.global.curFile, file);
    const QString shown = QString::fromStdString(file);
    EXPECT_EQ(map.form.window()->windowHandle()->title(), "Varnoke:1.971 " + shown);
    EXPECT_EQ(map.view.sb1.shownPanelText(1), shown + "     ");
    const QAction* entry = map.menus.mf[kFirstRecentFile].action();
    EXPECT_EQ(entry->iconText(), shown) << "the text with its shortcut marks taken out";
    EXPECT_TRUE(QKeySequence::mnemonic(entry->text()).isEmpty()) << "no character is underlined";
}

// The bar shows through the import and grows with its percentage: 15 once the names are read,
// all of it after the last way.
TEST_F(FileMenuTest, TheProgressBarFillsDuringAnImport) {
    MapWindow& map = load();
    const ProgressPanel& panel = map.progress;
    std::vector<double> filled; // the bar's share while the panel tells the remaining time
    openWatched(map, copyData("import/pretty-double.osm", "Leeds.osm"), [&] {
        if (!panel.frm1.visible() || panel.Label6.caption().empty()) return;
        EXPECT_TRUE(panel.progimage.visible()) << panel.Label9.caption();
        filled.push_back(panel.progimage.width() / panel.backprog.width());
        if (panel.Label9.caption() == "parsing nodes...") EXPECT_NEAR(filled.back(), 0.15, 1e-9);
    });
    ASSERT_FALSE(filled.empty());
    EXPECT_TRUE(std::is_sorted(filled.begin(), filled.end()));
    EXPECT_NEAR(filled.back(), 1.0, 1e-9);
}

// Cancel, clicked on screen while a second file loads: the window goes on naming and counting
// the file it still shows.
TEST_F(FileMenuTest, AfterCancelTheWindowNamesTheFileItShows) {
    MapWindow& map = load();
    const std::string first = copyData("import/pretty-double.osm", "Leeds.osm");
    dialogs().scriptOpenFile(first);
    mf_Click(map, kOpenOsm);
    const std::string drawn = map.global.parsedPath;
    const std::string caption = map.form.caption();
    const std::vector<std::string> counts = countCaptions(map);
    ASSERT_NE(caption.find(first), std::string::npos) << caption;

    bool clicked = false;
    openWatched(map, copyData("import/compact-josm.osm", "York.osm"), [&] {
        if (clicked || map.progress.Label9.caption() != "parsing highways...") return;
        clicked = true;
        EXPECT_NE(countCaptions(map), counts) << "the import counts the second file";
        QWidget* button = map.progress.Command2.widget();
        platform::testing::click(button, button->rect().center());
    });
    ASSERT_TRUE(clicked);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(map.global.dataFolder + "/York.vnk")));
    EXPECT_EQ(map.global.parsedPath, drawn);
    EXPECT_EQ(map.global.curFile, first);
    EXPECT_EQ(map.form.caption(), caption);
    EXPECT_EQ(map.view.sb1.panelText(1), first + "     ");
    EXPECT_EQ(countCaptions(map), counts);
    EXPECT_FALSE(map.data.mapLoading);
}

// The entry is gone from the disk, or is a pipe: one message naming it, and nothing else
// changes. "Open Parsed Files" passes over a name that names nothing, and names a pipe too.
TEST_F(FileMenuTest, AnUnreadableFileIsNamedAndChangesNothing) {
    MapWindow& map = load();
    moveView(map);
    const std::string pipe = path("pipe.vnk");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    const std::vector<platform::ShownDialog>& shown = dialogs().shown();
    const struct {
        int entry; // a recent file, or Open Parsed Files
        std::string name, message; // no message: nothing is said
    } rows[] = {{16, path("gone.osm"), " doesn't exist"}, {16, path("gone.vnk"), " doesn't exist"},
                {16, pipe, " is not a file"}, {kOpenParsed, path("gone.vnk"), ""},
                {kOpenParsed, pipe, " is not a file"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name + " at " + std::to_string(row.entry));
        const std::size_t before = shown.size();
        setRecentFiles(map, {"a", row.name, "c", "d"});
        map.view.sb1.setPanelText(1, "a     ");
        if (row.entry == kOpenParsed) dialogs().scriptOpenFile(row.name);
        if (!row.message.empty()) dialogs().scriptMsgBox(platform::msgbox::Ok);
        mf_Click(map, row.entry);
        ASSERT_EQ(shown.size() - before, std::size_t(row.entry == kOpenParsed) + !row.message.empty());
        if (!row.message.empty()) EXPECT_EQ(shown.back().text, row.name + row.message);
        EXPECT_EQ(map.global.curFile, "");
        EXPECT_EQ(recentFiles(map), (RecentFiles{"a", row.name, "c", "d"}));
        EXPECT_EQ(map.view.sb1.panelText(1), "a     ");
        expectViewUnmoved(map);
    }
}

TEST_F(FileMenuTest, EmptyRecentEntryLoadsNothingButMovesUp) {
    MapWindow& map = load();
    moveView(map);
    setRecentFiles(map, {"a", "", "", ""});
    mf_Click(map, 17);
    EXPECT_EQ(recentFiles(map), (RecentFiles{"", "a", "", ""}));
    EXPECT_EQ(map.global.curFile, "");
    EXPECT_EQ(map.view.sb1.panelText(1), "     ");
    EXPECT_TRUE(map.view.tm2.enabled());
    expectViewUnmoved(map);
    EXPECT_TRUE(dialogs().shown().empty());
}

// ".osm" in any letter case is an OSM file for the loader (an empty one is refused with its
// message and changes nothing); anything else is drawn as a project file.
TEST_F(FileMenuTest, RecentFileKindFollowsItsName) {
    MapWindow& map = load();
    const std::string osm = write("LEEDS.OSM", "");
    const std::string project = copyData("import/pretty-double.vnk", "york.vnk");
    setRecentFiles(map, {"a", "b", osm, project});

    dialogs().scriptMsgBox(platform::msgbox::Ok);
    mf_Click(map, 17);
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].text, osm + " is empty") << "the OSM loader's refusal";
    EXPECT_EQ(map.global.curFile, "");
    EXPECT_EQ(map.global.parsedPath, "") << "not taken for a project file";
    EXPECT_EQ(recentFiles(map), (RecentFiles{"a", "b", osm, project}));

    map.data.leakedAreas = "4#";
    mf_Click(map, 18);
    EXPECT_EQ(map.global.curFile, project);
    EXPECT_EQ(map.global.parsedPath, project);
    EXPECT_EQ(map.data.leakedAreas, "");
    EXPECT_FALSE(map.data.drawBusy);
    EXPECT_EQ(recentFiles(map), (RecentFiles{project, "a", "b", osm}));
    EXPECT_EQ(map.view.sb1.panelText(1), project + "     ");
    EXPECT_EQ(platform::screenMousePointer(), platform::kDefaultPointer);
}

// A menu or toolbar click while a file is drawn or imported opens no dialog at all (an
// unscripted one would throw).
TEST_F(FileMenuTest, NothingWhileBusy) {
    MapWindow& map = load();
    for (bool drawing : {true, false}) {
        map.data.drawBusy = drawing;
        map.data.mapLoading = !drawing;
        for (int index : {0, 2, 4, 6, 7, 13, 15, 20})
            mf_Click(map, index);
        Image3_Click(map, 0);
    }
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_TRUE(map.form.loaded());
}

TEST_F(FileMenuTest, ToolbarRunsItsMenuEntry) {
    MapWindow& map = load();
    for (int index : {0, 2, 6}) {
        dialogs().scriptOpenFile(std::nullopt);
        map.toolbars.Image3.onClick(index);
    }
    ASSERT_EQ(dialogs().shown().size(), 3u);
    EXPECT_EQ(dialogs().shown()[2].request.fileName, "*.gpx;");

    map.toolbars.Image3.onMouseDown(2, 1, 0, 0, 0);
    EXPECT_EQ(map.toolbars.Image3[2].borderStyle(), 1);
    map.toolbars.Image3.onMouseUp(2, 1, 0, 0, 0);
    EXPECT_EQ(map.toolbars.Image3[2].borderStyle(), 0);
}

TEST_F(FileMenuTest, AboutAndUpdateShowTheirBoxesModally) {
    MapWindow& map = load();
    std::vector<std::string> shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowModality() == Qt::ApplicationModal) {
                shown.push_back(window->windowTitle().toStdString());
                window->hide();
            }
        }
    });
    closer.start(10);
    testsupport::CannedServer server;
    server.answer("/version.txt", testsupport::response("200 OK", "1.971"));
    prefs::setUpdateSource(server.url("/version.txt"), 5000);
    map.menus.mf.onClick(9);
    map.menus.mf.onClick(11);
    prefs::setUpdateSource(std::string(web::kUpdateFile), prefs::kUpdateTimeLimitMs);
    EXPECT_EQ(shown, (std::vector<std::string>{"Information", "Updates"}));
}

TEST_F(FileMenuTest, ExitClosesTheWindowAfterSavingTheSettings) {
    MapWindow& map = load();
    mf_Click(map, 20);
    EXPECT_FALSE(map.form.loaded());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(path("img.dat"))));
}

} // namespace
} // namespace core::testing
