#pragma once
// A loaded main window that imports OSM texts as the File menu does (view reset, load clock and
// file size set, then the import), with the messages it shows recorded.

#include "basic/clock.h"
#include "basic/wholefile.h"
#include "core/importdriver.h"
#include "core/window_fixture.h"
#include "platform/hourglass.h"
#include "window/viewwindow.h"

#include <QFileInfo>
#include <string>
#include <vector>

namespace core::testing {

inline std::string importCase(const std::string& name) {
    return basic::readFileBytes(std::string(VK_TEST_DATA) + "/import/" + name + ".osm");
}

// A file with bounds and n nodes, each on its own line.
inline std::string osmWithNodes(long n) {
    std::string text = "<osm version=\"0.6\">\n <bounds minlat=\"51.4\" minlon=\"-1.6\" maxlat=\"51.5\" "
                       "maxlon=\"-1.5\"/>\n";
    for (long i = 1; i <= n; ++i)
        text += " <node id=\"" + std::to_string(i) + "\" lat=\"51.45\" lon=\"-1.55\"/>\n";
    return text + "</osm>\n";
}

class ImportDriverTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        map_ = &load();
    }

    MapWindow& map() { return *map_; }

    // The project file an import of the OSM file <title>.osm writes.
    std::string projectPath(const std::string& title) const {
        return map_->global.dataFolder + "/" + title + ".vnk";
    }

    // Imports text as the OSM file <title>.osm, answering `messages` message boxes with OK.
    void importAs(const std::string& title, std::string text, int messages = 0,
                  const PhaseWatch& watch = {}) {
        for (int k = 0; k < messages; ++k)
            dialogs().scriptMsgBox(platform::msgbox::Ok);
        map_->global.curFile = appPath() + "/osm/" + title + ".osm";
        init(*map_);
        map_->global.loadStart = basic::monotonicSeconds();
        map_->data.fileSizeMB = static_cast<basic::Single>(text.size() / 1024.0 / 1024.0);
        showmap(*map_, std::move(text), watch);
    }

    // The texts of the message boxes shown so far.
    std::vector<std::string> messages() {
        std::vector<std::string> texts;
        for (const platform::ShownDialog& shown : dialogs().shown())
            if (shown.kind == platform::DialogKind::MsgBox) texts.push_back(shown.text);
        return texts;
    }

    static bool fileExists(const std::string& path) {
        return QFileInfo(QString::fromStdString(path)).isFile();
    }

    // The program takes input again: nothing busy, the map picture shown and enabled, the
    // display options enabled, no progress panel, no hourglass and the double quote restored.
    void expectUsable() {
        const MapWindow& m = *map_;
        EXPECT_FALSE(m.data.drawBusy);
        EXPECT_FALSE(m.data.mapLoading);
        EXPECT_TRUE(m.view.p1.visible());
        EXPECT_TRUE(m.view.p1.enabled());
        EXPECT_TRUE(m.legendPanel.Check4.enabled());
        EXPECT_TRUE(m.legendPanel.Frame2.enabled());
        EXPECT_EQ(m.legendPanel.Check3.enabled(), m.global.authorOverlay == 0);
        EXPECT_FALSE(m.progress.frm1.visible());
        EXPECT_EQ(platform::screenMousePointer(), platform::kDefaultPointer);
        EXPECT_EQ(m.global.quoteChar, '"');
        EXPECT_FALSE(m.global.cancelRequested);
    }

private:
    MapWindow* map_ = nullptr;
};

} // namespace core::testing
