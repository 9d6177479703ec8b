#include "basic/wholefile.h"
#include "core/window_fixture.h"
#include "poi/fixmereport.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdlib.h>
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

using FixmeWindowTest = core::testing::WindowTest;

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
