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

TEST(FolderListsTest, TheDriveListOffersRootHomeAndVolumesOnceEach) {
    EXPECT_EQ(driveEntries("/home/ann", {"/", "/media/usb", "", "/home/ann", "/boot", "/media/usb"}),
              (std::vector<std::string>{"/", "/home/ann", "/media/usb", "/boot"}));
    Form form("settings");
    DriveListBox drives(form, "Drive1");
    int changes = 0;
    drives.onChange = [&] { ++changes; };
    EXPECT_EQ(drives.drive(), "/");
    drives.setDrive("/");
    drives.setDrive(drives.list(1));
    EXPECT_EQ(changes, 1) << "only another place is a change";
    EXPECT_EQ(faultOf([&] { drives.setDrive("/no/such/volume"); }), basic::fault::DeviceUnavailable);
    EXPECT_EQ(drives.drive(), drives.list(1));
}

TEST(FolderListsTest, TheFolderListShowsTheChainAndOpensFoldersOnDoubleClick) {
    QTemporaryDir root;
    for (const char* sub : {"maps/beta", "maps/Alpha", "maps/.hidden", "maps/gamma/deeper"})
        ASSERT_TRUE(QDir(root.path()).mkpath(sub));
    const auto at = [&](const std::string& sub) { return root.path().toStdString() + sub; };
    Form form("settings");
    DirListBox folders(form, "Dir1");
    folders.move(0, 0, 3000, 3000);
    int changes = 0;
    folders.onChange = [&] { ++changes; };
    form.show();

    folders.setPath(at("/maps/gamma/../"));
    EXPECT_EQ(folders.path(), at("/maps"));
    EXPECT_EQ(
        (std::vector{folders.list(-2), folders.list(-1), folders.list(0), folders.list(1), folders.list(2)}),
        (std::vector{at(""), at("/maps"), at("/maps/Alpha"), at("/maps/beta"), at("/maps/gamma")}));
    EXPECT_EQ(folders.listCount(), 3) << "hidden folders are left out";
    for (const std::string& bad : {at("/maps/none"), std::string()})
        EXPECT_EQ(faultOf([&] { folders.setPath(bad); }), basic::fault::PathNotFound) << bad;
    EXPECT_EQ(changes, 1);

    std::string pathAtPress;
    folders.onMouseDown = [&](int, int, double, double) { pathAtPress = folders.path(); };
    auto* view = static_cast<QListWidget*>(folders.widget());
    const QPoint gamma = view->visualItemRect(view->item(view->count() - 1)).center();
    testing::click(view->viewport(), gamma);
    EXPECT_EQ(pathAtPress, at("/maps")) << "a click only selects";
    testing::doubleClick(view->viewport(), gamma);
    EXPECT_EQ(folders.path(), at("/maps/gamma"));
    EXPECT_EQ(folders.list(0), at("/maps/gamma/deeper"));
    EXPECT_EQ(changes, 2);
}

} // namespace
} // namespace platform
