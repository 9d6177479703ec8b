// Real extracts cut short and imported through the main window: through File > "Open OSM", each
// cut either writes a project file with the nodes it holds or says why it cannot; a cut that is
// stopped or cancelled leaves the previous project file byte for byte as it was.

#include "core/filemenu.h"
#include "core/importdriver_fixture.h"
#include "import/projectreader.h"
#include "robust_osm.h"

#include <QDir>

namespace core::testing {
namespace {

constexpr int kOpenOsm = 0;

const char* const kExtracts[] = {"fields-48.135-10.068.osm", "karlsruhe-boundary.osm",
                                 "three-rivers-josm.osm", "west-oakland.osm"};

std::string extract(const std::string& name) {
    return basic::readFileBytes(std::string(VK_TEST_DATA) + "/" + name);
}

class RobustWindowTruncationTest : public ImportDriverTest {
protected:
    // Opens bytes as the OSM file map.osm through the File menu, answering `messages` boxes.
    void openOsm(const std::string& bytes, int messageBoxes) {
        const std::string path = appPath() + "/map.osm";
        basic::writeFileWhole(path, bytes);
        dialogs().scriptOpenFile(path);
        for (int k = 0; k < messageBoxes; ++k)
            dialogs().scriptMsgBox(platform::msgbox::Ok);
        shownBefore_ = messages().size();
        mf_Click(map(), kOpenOsm);
    }

    std::vector<std::string> newMessages() {
        const std::vector<std::string> all = messages();
        return {all.begin() + static_cast<std::ptrdiff_t>(shownBefore_), all.end()};
    }

    std::string projectBytes() { return basic::readFileBytes(projectPath("map")); }

    void expectOnlyTheProjectFile() {
        EXPECT_EQ(QDir(QString::fromStdString(map().global.dataFolder)).entryList({"*.vnk"}),
                  QStringList{"map.vnk"});
    }

    std::size_t shownBefore_ = 0;
};

TEST_F(RobustWindowTruncationTest, CutsWriteTheirNodesOrSayWhyNot) {
    openOsm(extract("west-oakland.osm"), 0);
    ASSERT_EQ(map().global.parsedPath, projectPath("map"));
    for (const char* name : kExtracts) {
        const std::string whole = extract(name);
        const std::size_t bounds = whole.find("<bounds");
        for (std::size_t length : {bounds / 2, bounds + 3, whole.size() / 5, whole.size() / 2,
                                   whole.size() * 4 / 5, whole.size() - 3}) {
            SCOPED_TRACE(std::string(name) + " cut at " + std::to_string(length));
            const std::string cut = whole.substr(0, length);
            const bool hasBounds = cut.find("<bounds") != std::string::npos;
            const std::string before = projectBytes();
            openOsm(cut, hasBounds ? 0 : 1);
            if (hasBounds) {
                EXPECT_EQ(newMessages(), std::vector<std::string>{});
                const osmimport::ProjectData d = osmimport::readProjectFile(projectBytes());
                EXPECT_EQ(d.nodeCount, osmFacts(cut).nodes);
            } else {
                EXPECT_EQ(newMessages(), std::vector<std::string>{"Can't find 'boundaries'"});
                EXPECT_EQ(projectBytes(), before);
            }
            EXPECT_EQ(map().global.parsedPath, projectPath("map"));
            expectOnlyTheProjectFile();
            expectUsable();
        }
    }
}

TEST_F(RobustWindowTruncationTest, ACancelledCutLeavesThePreviousFile) {
    openOsm(extract("west-oakland.osm"), 0);
    const std::string previous = projectBytes();
    for (const char* name : kExtracts) {
        const std::string whole = extract(name);
        for (const char* phase : {"parsing nodes...", "parsing highways...", "Final bits ..."}) {
            SCOPED_TRACE(std::string(name) + ", cancelled at " + phase);
            bool reached = false;
            importAs("map", whole.substr(0, whole.size() * 3 / 5), 0, [&](std::string_view started) {
                if (started != phase) return;
                reached = true;
                map().global.cancelRequested = true;
            });
            EXPECT_TRUE(reached);
            EXPECT_EQ(projectBytes(), previous);
            expectOnlyTheProjectFile();
            expectUsable();
        }
    }
}

} // namespace
} // namespace core::testing
