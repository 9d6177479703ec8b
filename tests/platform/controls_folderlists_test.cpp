// The drive list and the folder list of a folder search.

#include "controls_testing.h"
#include "platform/folderlists.h"
#include "platform/form.h"

#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace platform {
namespace {

using testing::faultOf;

TEST(FolderListsTest, DrivePlacesStartAtTheRootAndHomeAndHoldEachPlaceOnce) {
    EXPECT_EQ(driveEntries("/home/ann", {"/", "/media/usb", "", "/home/ann", "/boot", "/media/usb"}),
              (std::vector<std::string>{"/", "/home/ann", "/media/usb", "/boot"}));
    EXPECT_EQ(driveEntries("", {}), std::vector<std::string>{"/"});
}

TEST(FolderListsTest, ChoosingADrivePlaceRaisesChangeOnlyForAnotherPlace) {
    Form form("settings");
    DriveListBox drives(form, "Drive1");
    int changes = 0;
    drives.onChange = [&] { ++changes; };
    ASSERT_GE(drives.listCount(), 2);
    EXPECT_EQ(drives.drive(), "/");
    drives.setDrive("/");
    EXPECT_EQ(changes, 0);
    drives.setDrive(drives.list(1));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(drives.drive(), QDir::homePath().toStdString());
    EXPECT_EQ(faultOf([&] { drives.setDrive("/no/such/volume"); }), basic::fault::DeviceUnavailable);
    EXPECT_EQ(drives.drive(), drives.list(1));
    EXPECT_EQ(faultOf([&] { (void)drives.list(drives.listCount()); }), basic::fault::InvalidPropertyArrayIndex);
}

class FolderListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        for (const char* sub : {"maps/beta", "maps/Alpha", "maps/.hidden", "maps/gamma/deeper"})
            ASSERT_TRUE(QDir(root.path()).mkpath(sub));
        folders.move(0, 0, 3000, 3000);
        folders.onChange = [this] { ++changes; };
        form.show();
    }
    std::string at(const char* sub) const { return root.path().toStdString() + "/" + sub; }

    QTemporaryDir root;
    Form form{"settings"};
    DirListBox folders{form, "Dir1"};
    int changes = 0;
};

TEST_F(FolderListTest, APathShowsItsChainAndItsVisibleSubfoldersByName) {
    folders.setPath(at("maps/gamma/../"));
    EXPECT_EQ(folders.path(), at("maps"));
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(folders.listCount(), 3);
    EXPECT_EQ(folders.list(0), at("maps/Alpha"));
    EXPECT_EQ(folders.list(1), at("maps/beta"));
    EXPECT_EQ(folders.list(2), at("maps/gamma"));
    EXPECT_EQ(folders.list(-1), at("maps"));
    EXPECT_EQ(folders.list(-2), root.path().toStdString());
    const int depth = static_cast<int>(std::count(folders.path().begin(), folders.path().end(), '/'));
    EXPECT_EQ(folders.list(-1 - depth), "/");
    EXPECT_EQ(faultOf([&] { (void)folders.list(-2 - depth); }), basic::fault::InvalidPropertyArrayIndex);

    auto* view = static_cast<QListWidget*>(folders.widget());
    EXPECT_EQ(view->count(), depth + 1 + 3);
    EXPECT_EQ(view->item(depth + 1)->text().trimmed(), "Alpha");

    folders.setPath(at("maps"));
    EXPECT_EQ(changes, 1) << "the same folder again is no change";
}

TEST_F(FolderListTest, AMissingFolderIsPathNotFoundAndThePathStays) {
    folders.setPath(at("maps"));
    for (const std::string& bad : {at("maps/none"), std::string()})
        EXPECT_EQ(faultOf([&] { folders.setPath(bad); }), basic::fault::PathNotFound) << bad;
    EXPECT_EQ(folders.path(), at("maps"));
    EXPECT_EQ(changes, 1);
}

TEST_F(FolderListTest, ADoubleClickOpensTheFolderAndAPressRunsMouseDownFirst) {
    folders.setPath(at("maps"));
    std::string pathAtPress;
    folders.onMouseDown = [&](int, int, double, double) { pathAtPress = folders.path(); };
    auto* view = static_cast<QListWidget*>(folders.widget());
    const int gammaRow = view->count() - 1;
    const QPoint gamma = view->visualItemRect(view->item(gammaRow)).center();
    testing::click(view->viewport(), gamma);
    EXPECT_EQ(pathAtPress, at("maps"));
    EXPECT_EQ(folders.path(), at("maps")) << "a click only selects";
    testing::doubleClick(view->viewport(), gamma);
    EXPECT_EQ(folders.path(), at("maps/gamma"));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(folders.list(0), at("maps/gamma/deeper"));
}

} // namespace
} // namespace platform
