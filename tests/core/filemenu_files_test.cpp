// The File menu's file operations: the overwrite question and the readers of a whole file.

#include "core/filemenu_files.h"
#include "core/window_fixture.h"
#include "platform/hourglass.h"

#include <QDir>
#include <QFile>

namespace core::testing {
namespace {

class FileOperationsTest : public WindowTest {
protected:
    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string path = appPath() + "/" + name;
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
};

TEST_F(FileOperationsTest, ExistsAsksOnlyForAFileThatIsThere) {
    load();
    EXPECT_EQ(exists(appPath() + "/new.bmp"), 0);
    QDir(QString::fromStdString(appPath())).mkdir("folder.bmp");
    EXPECT_EQ(exists(appPath() + "/folder.bmp"), 0) << "a folder is no file of that name";
    EXPECT_TRUE(dialogs().shown().empty());

    const std::string path = write("old.bmp", "BM");
    const struct {
        int answer;
        basic::Integer result;
    } cases[] = {{platform::msgbox::Yes, 0}, {platform::msgbox::No, -1}, {platform::msgbox::Cancel, -1}};
    for (const auto& c : cases) {
        dialogs().scriptMsgBox(c.answer);
        EXPECT_EQ(exists(path), c.result) << c.answer;
        EXPECT_EQ(dialogs().shown().back().text, "File exists. Wish to overwrite?");
        EXPECT_EQ(dialogs().shown().back().style, platform::msgbox::YesNoCancel);
    }
}

TEST_F(FileOperationsTest, LoadbinaryKeepsTheSizeAndTheLoadClock) {
    MapWindow& map = load();
    map.global.loadStart = -1;
    map.data.fileSizeMB = 9;
    const std::string text = loadbinary(map, write("small.osm", std::string(524'288, 'n')));
    EXPECT_EQ(text.size(), 524'288u);
    EXPECT_EQ(map.data.fileSizeMB, 0.5f);
    EXPECT_GT(map.global.loadStart, 0);
    EXPECT_EQ(platform::screenMousePointer(), platform::kHourglassPointer) << "left on for the import";
    platform::hourglassOff();
}

TEST_F(FileOperationsTest, LoadbinaryShowsItsMessagesInTheWindow) {
    MapWindow& map = load();
    const std::string path = write("huge.osm", "");
    ASSERT_TRUE(QFile::resize(QString::fromStdString(path), 20LL * 48'673'404));
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    EXPECT_TRUE(loadbinary(map, path).empty());
    EXPECT_EQ(dialogs().shown().back().text, "File is too long:");
    EXPECT_EQ(platform::screenMousePointer(), platform::kDefaultPointer);
}

TEST_F(FileOperationsTest, LoadtextReadsOnlyWhenAskedAndNeverAProjectFile) {
    MapWindow& map = load();
    const std::string osm = write("leeds.osm", "<osm>");
    const std::string vnk = write("leeds.vnk", "1.971");
    const struct {
        const std::string path;
        basic::Integer flag;
    } refused[] = {{osm, 0}, {vnk, 1}, {appPath() + "/missing.osm", 1}};
    for (const auto& c : refused) {
        map.data.leakedAreas = "3#";
        EXPECT_EQ(loadtext(map, c.path, c.flag), "") << c.path;
        EXPECT_EQ(map.data.leakedAreas, "") << c.path;
        EXPECT_EQ(map.global.curFile, "") << c.path;
    }
}

TEST_F(FileOperationsTest, LoadtextReadsTheWholeFile) {
    MapWindow& map = load();
    const std::string path = write("leeds.osm", std::string("<osm>\xC3\xA9</osm>"));
    map.legendPanel.List1.addItem("ann");
    map.view.tm2.setEnabled(true);
    map.global.cancelRequested = true;
    map.markers.quest.load(2);
    map.data.questCount = 2;

    EXPECT_EQ(loadtext(map, path, -1), "<osm>\xC3\xA9</osm>");
    EXPECT_EQ(map.global.curFile, path);
    EXPECT_FALSE(map.global.cancelRequested);
    EXPECT_FALSE(map.view.tm2.enabled());
    EXPECT_EQ(map.data.fileSizeMB, static_cast<float>(13.0 / 1048576)); // 13 bytes
    EXPECT_EQ(map.progress.Label9.caption(), "Loading file...");
    EXPECT_TRUE(map.progress.frm1.visible());
    EXPECT_EQ(map.legendPanel.List1.listCount(), 0);
    EXPECT_FALSE(map.markers.quest.exists(2));
    platform::hourglassOff();
}

TEST_F(FileOperationsTest, LoadtextKeepsTheAuthorsWhileOneIsSelected) {
    MapWindow& map = load();
    map.legendPanel.List1.addItem("ann");
    map.data.authorSelected = true;
    loadtext(map, write("leeds.osm", "<osm>"), 1);
    EXPECT_EQ(map.legendPanel.List1.listCount(), 1);
    platform::hourglassOff();
}

} // namespace
} // namespace core::testing
