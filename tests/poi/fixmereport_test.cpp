#include "basic/posixfile.h"
#include "basic/wholefile.h"
#include "core/window_fixture.h"
#include "poi/fixmereport.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/resource.h>

namespace poi {
namespace {

namespace fs = std::filesystem;

class FixmeReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "fixme-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string report() const { return basic::readFileBytes(folder_ + "/fixme.txt"); }
    bool reportExists() const { return fs::exists(folder_ + "/fixme.txt"); }

    std::string folder_;
};

TEST(FixmeRecordTest, TitleThenTheRestoredList) {
    // The list is held escaped: quotes as 0xFA, line breaks as "+-", line feeds as 0xA3.
    const std::string escaped = "12+FIXME \xFA"
                                "check\xFA+-13#road\xA3"
                                "end+-";
    EXPECT_EQ(fixmeRecord("C:/maps/leeds.osm", escaped),
              "~leeds\r\n12+FIXME \"check\"\r\n13#road\nend\r\n\r\n");
    EXPECT_EQ(fixmeRecord("/home/ann/S\xC3\xA3o Jo\xC3\xA3o.osm", "1+ru\xC3\xA3"),
              "~S\xC3\xA3o Jo\xC3\xA3o\r\n1+ru\xC3\xA3\r\n");
    EXPECT_EQ(fixmeRecord("", "x"), "~\r\nx\r\n");
}

TEST_F(FixmeReportTest, TwoImportsLeaveTwoBlocksTheOlderFirst) {
    appendFixmeReport(folder_, "/maps/leeds.osm", "1+a+-");
    appendFixmeReport(folder_, "/maps/york.osm", "2#b+-");
    EXPECT_EQ(report(), "~leeds\r\n1+a\r\n\r\n~york\r\n2#b\r\n\r\n");
}

TEST_F(FixmeReportTest, EmptyListWritesNothing) {
    appendFixmeReport(folder_, "/maps/leeds.osm", "");
    EXPECT_FALSE(reportExists());
}

TEST_F(FixmeReportTest, KeepsWhatTheFileHeld) {
    const std::string old = std::string("~old\r\n\0\xFF\r\n", 10);
    basic::writeFileWhole(folder_ + "/fixme.txt", old);
    appendFixmeReport(folder_, "/maps/leeds.osm", "1+a");
    EXPECT_EQ(report(), old + "~leeds\r\n1+a\r\n");
}

TEST_F(FixmeReportTest, FailuresArePassedOver) {
    EXPECT_NO_THROW(appendFixmeReport(folder_ + "/missing", "/maps/leeds.osm", "1+a"));
    EXPECT_FALSE(fs::exists(folder_ + "/missing"));
    fs::create_directory(folder_ + "/fixme.txt"); // a folder where the file should be
    EXPECT_NO_THROW(appendFixmeReport(folder_, "/maps/leeds.osm", "1+a"));
    EXPECT_TRUE(fs::is_directory(folder_ + "/fixme.txt"));
}

TEST_F(FixmeReportTest, AWriteCutShortLeavesTheFileAsItWas) {
    const std::string old = "~old\r\nkept\r\n";
    basic::writeFileWhole(folder_ + "/fixme.txt", old);
    // A file size limit just above the old content makes the append fail part-way, as a full
    // disk would.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = old.size() + 5;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    appendFixmeReport(folder_, "/maps/leeds.osm", std::string(100, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(report(), old);
}

// Another instance appending holds the report's lock: this append waits for it, so that neither
// cuts the other's record away when its own write fails.
TEST_F(FixmeReportTest, AnAppendWaitsWhileAnotherInstanceAppends) {
    basic::writeFileWhole(folder_ + "/fixme.txt", "~york\r\n");
    basic::FileHandle other(::open((folder_ + "/fixme.txt").c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
    ASSERT_EQ(::flock(other.get(), LOCK_EX), 0);
    auto append =
        std::async(std::launch::async, [&] { appendFixmeReport(folder_, "/maps/leeds.osm", "1+a"); });
    EXPECT_EQ(append.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    ASSERT_TRUE(basic::writeAll(other.get(), "2#b\r\n"));
    ASSERT_TRUE(other.close()); // the lock goes with the descriptor
    append.get();
    EXPECT_EQ(report(), "~york\r\n2#b\r\n~leeds\r\n1+a\r\n");
}

using FixmeWindowTest = core::testing::WindowTest;

// A link at the report's name would send the record into the file it points to, outside the
// data folder.
TEST_F(FixmeWindowTest, ALinkAtTheReportIsRefusedWithOneMessageNamingIt) {
    core::MapWindow& map = make();
    map.global.dataFolder = appPath() + "/data";
    map.global.curFile = "/maps/leeds.osm";
    map.data.fixmeList = "3+a";
    fs::create_directory(map.global.dataFolder);
    basic::writeFileWhole(appPath() + "/letter.txt", "the user's own file");
    fs::create_symlink(appPath() + "/letter.txt", map.global.dataFolder + "/fixme.txt");
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    fixme(map);
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].text,
              map.global.dataFolder + "/fixme.txt is a link: the FIXME report was not written");
    EXPECT_EQ(basic::readFileBytes(appPath() + "/letter.txt"), "the user's own file");
}

TEST_F(FixmeWindowTest, TheCurrentFilesListGoesToTheDataFolder) {
    core::MapWindow& map = make();
    map.global.dataFolder = appPath();
    map.global.curFile = "/maps/leeds.osm";
    map.data.fixmeList = "3+FIXME \xFA"
                         "bridge\xFA+-";
    fixme(map);
    map.data.fixmeList.clear();
    fixme(map);
    EXPECT_EQ(basic::readFileBytes(appPath() + "/fixme.txt"), "~leeds\r\n3+FIXME \"bridge\"\r\n\r\n");
}

} // namespace
} // namespace poi
