// The import and the project file reader behind the File menu: "Open OSM" imports the chosen
// file and draws it, "Open Parsed Files" draws a project file without any OSM file.

#include "core/filemenu.h"
#include "core/importdriver_fixture.h"
#include "import/indexlist.h"
#include "import/projectreader.h"
#include "import/projectsample.h"
#include "import/projectwriter.h"
#include "support/hostilefiles.h"

#include <QDir>

namespace core::testing {
namespace {

constexpr int kOpenOsm = 0;
constexpr int kOpenParsedFiles = 2;

class FileMenuImportTest : public ImportDriverTest {
protected:
    // Puts the bytes into a file of the program folder and answers the open dialog with it.
    std::string chooseFile(const std::string& name, const std::string& bytes) {
        const std::string path = appPath() + "/" + name;
        basic::writeFileWhole(path, bytes);
        dialogs().scriptOpenFile(path);
        return path;
    }
};

TEST_F(FileMenuImportTest, OpenOsmImportsAndDrawsTheFile) {
    const std::string osm = chooseFile("leeds.osm", importCase("pretty-double"));
    mf_Click(map(), kOpenOsm);
    EXPECT_EQ(map().global.curFile, osm);
    EXPECT_EQ(map().global.parsedPath, projectPath("leeds"));
    EXPECT_EQ(basic::readFileBytes(projectPath("leeds")),
              basic::readFileBytes(std::string(VK_TEST_DATA) + "/import/classified/pretty-double.vnk"));
    EXPECT_EQ(map().data.nodeCount, 3);
    EXPECT_EQ(map().data.mapScale, 20025);
    EXPECT_TRUE(map().menus.mfil.enabled());
    EXPECT_EQ(messages(), std::vector<std::string>{});
    expectUsable();
}

TEST_F(FileMenuImportTest, OpenParsedFilesDrawsAProjectFileWithoutItsOsmFile) {
    const std::string vnk =
        chooseFile("sample.vnk", osmimport::projectFileBytes(osmimport::sampleProject(), '"'));
    mf_Click(map(), kOpenParsedFiles);
    EXPECT_EQ(map().global.parsedPath, vnk);
    osmimport::ProjectData expected = osmimport::readProjectFile(basic::readFileBytes(vnk));
    osmimport::indexWayNodes(expected);
    expected.shopCount = map().data.shopCount;
    // The drawing narrows the pens and counts the area markers in memory.
    expected.wayWidth = map().data.wayWidth;
    expected.questAreaCount = map().data.questAreaCount;
    EXPECT_TRUE(static_cast<const osmimport::ProjectData&>(map().data) == expected);
    EXPECT_EQ(map().markers.quest[3].tag(), "AREA not closed");
    EXPECT_EQ(map().markers.lab2[1].caption(), "Village Green");
    EXPECT_EQ(map().legendStrip.numb[5].caption(), "40000");
    EXPECT_FALSE(map().data.drawBusy);
}

// A project file far larger than memory is refused by its size, and the window stays usable.
TEST_F(FileMenuImportTest, AProjectFileLargerThanMemoryIsRefusedBySize) {
    const std::string huge = appPath() + "/huge.vnk";
    testsupport::writeHugeFile(huge, "1.971\r\n");
    dialogs().scriptOpenFile(huge);
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    mf_Click(map(), kOpenParsedFiles);
    EXPECT_EQ(messages(), std::vector<std::string>{huge + " is too large"});
    EXPECT_FALSE(map().data.drawBusy);
    EXPECT_TRUE(map().view.tm2.enabled() && map().menus.mfil.enabled());
}

TEST_F(FileMenuImportTest, ADamagedProjectFileIsOneMessage) {
    const std::string good = osmimport::projectFileBytes(osmimport::sampleProject(), '"');
    chooseFile("damaged.vnk", good.substr(0, good.size() / 3));
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    mf_Click(map(), kOpenParsedFiles);
    EXPECT_EQ(messages(), std::vector<std::string>{"Input past end of file"});
    EXPECT_EQ(map().data.nodeCount, 0);
    EXPECT_FALSE(map().data.drawBusy);
}

} // namespace
} // namespace core::testing
