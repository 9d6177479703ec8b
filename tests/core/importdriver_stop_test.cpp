// Imports that stop early or are cancelled: the program is usable again, no project file is
// written, and the previous one stays byte for byte and is what the map is drawn from.

#include "core/importdriver_fixture.h"
#include "platform/controls_testing.h"
#include "window/redrawrequest.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaObject>
#include <algorithm>
#include <functional>

namespace core::testing {
namespace {

class ImportStopTest : public ImportDriverTest {
protected:
    // A previous import of the OSM file "map": its project file is the one drawn.
    void SetUp() override {
        ImportDriverTest::SetUp();
        importAs("map", importCase("pretty-double"));
        previousPath_ = map().global.parsedPath;
        previousBytes_ = basic::readFileBytes(previousPath_);
        shownBefore_ = messages().size();
    }

    void expectPreviousFileKept() {
        EXPECT_EQ(map().global.parsedPath, previousPath_);
        EXPECT_EQ(basic::readFileBytes(previousPath_), previousBytes_);
        EXPECT_EQ(QDir(QString::fromStdString(map().global.dataFolder)).entryList({"*.vnk"}),
                  QStringList{"map.vnk"});
    }

    std::vector<std::string> newMessages() {
        const std::vector<std::string> all = messages();
        return {all.begin() + static_cast<std::ptrdiff_t>(shownBefore_), all.end()};
    }

    std::string previousPath_;
    std::string previousBytes_;
    size_t shownBefore_ = 0;
};

struct StopCase {
    const char* what;
    std::function<std::string()> text;
    std::vector<std::string> messages;
};

TEST_F(ImportStopTest, EarlyStopsLeaveTheProgramUsable) {
    const StopCase cases[] = {
        {"empty text", [] { return std::string(); }, {}},
        {"no bounds", [] { return importCase("no-bounds"); }, {"Can't find 'boundaries'"}},
        {"over the node limit",
         [] { return osmWithNodes(100001); },
         {"File contains more than 100000 nodes. Program could become unstable."}},
        {"no bounds and over the node limit",
         [] {
             std::string text = osmWithNodes(100001);
             return text.replace(text.find("<bounds"), 7, "<limits");
         },
         {"Can't find 'boundaries'"}},
    };
    for (const StopCase& c : cases) {
        for (bool wheelTimer : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (wheelTimer ? ", wheel timer on" : ", wheel timer off"));
            shownBefore_ = messages().size();
            init(map());
            map().view.tm2.setEnabled(wheelTimer);
            for (size_t k = 0; k < c.messages.size(); ++k)
                dialogs().scriptMsgBox(platform::msgbox::Ok);
            map().global.curFile = appPath() + "/osm/map.osm";
            showmap(map(), c.text());
            EXPECT_EQ(newMessages(), c.messages);
            expectUsable();
            EXPECT_EQ(map().view.tm2.enabled(), wheelTimer);
            expectPreviousFileKept();
        }
    }
}

// Memory that runs out in the import or while its project file is made ends the import as an early
// stop does: the program is usable, the caller reports the fault, and the next drawing shows the
// previous file.
TEST_F(ImportStopTest, MemoryRunningOutLeavesTheProgramUsable) {
    for (const std::string_view phase : {"parsing nodes...", "project file"}) {
        SCOPED_TRACE(phase);
        map().global.curFile = appPath() + "/osm/map.osm";
        const auto runOut = [phase](std::string_view at) {
            if (at == phase) throw std::bad_alloc();
        };
        EXPECT_THROW(showmap(map(), importCase("compact-josm"), runOut), std::bad_alloc);
        expectUsable();
        expectPreviousFileKept();
        core::redrawMap(map());
        EXPECT_EQ(map().data.nodeCount, 3);
        EXPECT_EQ(newMessages(), std::vector<std::string>{});
    }
}

TEST_F(ImportStopTest, TheNextDrawingShowsThePreviousFile) {
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    importAs("map", importCase("no-bounds"));
    ASSERT_EQ(map().data.nodeCount, 0);
    core::redrawMap(map());
    EXPECT_EQ(map().data.nodeCount, 3);
    EXPECT_EQ(map().data.fixmeCount, 1);
}

TEST_F(ImportStopTest, ExactlyTheNodeLimitIsImported) {
    importAs("limit", osmWithNodes(100000));
    EXPECT_EQ(newMessages(), std::vector<std::string>{});
    EXPECT_EQ(map().global.parsedPath, projectPath("limit"));
    EXPECT_EQ(map().data.nodeCount, 100000);
    expectUsable();
}

// Where the user cancels: each point is reached through the phase that starts there.
struct CancelCase {
    const char* what;
    const char* phase;
    bool throughTheButton; // a click on "Cancel" waiting in the queue, else the flag set at once
};

void PrintTo(const CancelCase& c, std::ostream* out) {
    *out << c.what;
}

class ImportCancelTest : public ImportStopTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(ImportCancelTest, WritesNothingAndDrawsThePreviousFile) {
    const CancelCase& c = GetParam();
    MapWindow& m = map();
    bool reached = false;
    importAs("map", importCase("compact-josm"), 0, [&](std::string_view phase) {
        if (phase != c.phase) return;
        reached = true;
        if (!c.throughTheButton) {
            m.global.cancelRequested = true;
            return;
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [&m] {
                QWidget* button = m.progress.Command2.widget();
                platform::testing::click(button, button->rect().center());
            },
            Qt::QueuedConnection);
    });
    ASSERT_TRUE(reached);
    EXPECT_EQ(newMessages(), std::vector<std::string>{});
    expectUsable();
    EXPECT_TRUE(m.view.tm2.enabled());
    expectPreviousFileKept();
    // The map is the previous file's, drawn again, with its trailer.
    EXPECT_EQ(m.data.nodeCount, 3);
    EXPECT_EQ(m.data.mapScale, 20025);
    EXPECT_EQ(m.data.fixmeCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Points, ImportCancelTest,
                         ::testing::Values(CancelCase{"during the names phase", "parsing names...", false},
                                           CancelCase{"before the first node", "parsing nodes...", true},
                                           CancelCase{"after the node loop", "parsing highways...", true},
                                           CancelCase{"after the way loop", "Final bits ...", false}),
                         [](const auto& info) {
                             std::string name = info.param.what;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

TEST_F(ImportDriverTest, ACancelledFirstImportLeavesNoMap) {
    importAs("first", importCase("pretty-double"), 0, [&](std::string_view phase) {
        if (phase == "parsing highways...") map().global.cancelRequested = true;
    });
    EXPECT_EQ(map().global.parsedPath, "");
    EXPECT_FALSE(fileExists(projectPath("first")));
    EXPECT_EQ(map().data.nodeCount, 0);
    EXPECT_TRUE(map().data.nodeX.empty());
    EXPECT_EQ(messages(), std::vector<std::string>{});
    expectUsable();
}

} // namespace
} // namespace core::testing
