#include "basic/wholefile.h"
#include "fault_of.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdlib.h>

namespace basic {
namespace {

namespace fs = std::filesystem;

class WholeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "wholefile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
};

TEST_F(WholeFileTest, WrittenBytesReadBackExactly) {
    const std::string bytes = std::string("line one\r\n\0\xFA\xA3 \r\nlast", 19);
    writeFileWhole(path("img.dat"), bytes);
    EXPECT_EQ(readFileBytes(path("img.dat")), bytes);
    EXPECT_EQ(entries(), 1u); // no temporary file is left behind
}

TEST_F(WholeFileTest, ReplacesAnExistingFile) {
    writeFileWhole(path("a.vnk"), std::string(10000, 'x'));
    writeFileWhole(path("a.vnk"), "short");
    EXPECT_EQ(readFileBytes(path("a.vnk")), "short");
    writeFileWhole(path("a.vnk"), "");
    EXPECT_EQ(readFileBytes(path("a.vnk")), "");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(WholeFileTest, ReadsABigFileWhole) {
    std::string bytes(3 * 1024 * 1024 + 7, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);
    writeFileWhole(path("big.osm"), bytes);
    EXPECT_EQ(readFileBytes(path("big.osm")), bytes);
}

TEST_F(WholeFileTest, ReadsAFileWhoseSizeIsNotKnownUpFront) {
    // Files under /proc report size 0 and still hold bytes.
    const std::string status = readFileBytes("/proc/self/status");
    EXPECT_EQ(status.substr(0, 5), "Name:");
    EXPECT_NE(status.find("\nPid:"), std::string::npos);
}

TEST_F(WholeFileTest, FailuresRaiseTheFileFaults) {
    EXPECT_EQ(faultOf([&] { readFileBytes(path("missing.dat")); }), fault::FileNotFound);
    EXPECT_EQ(faultOf([&] { readFileBytes(folder_.string()); }), fault::PathFileAccessError);
    EXPECT_EQ(faultOf([&] { writeFileWhole(path("no/such/folder.dat"), "x"); }), fault::PathNotFound);
    EXPECT_EQ(faultOf([&] { readFileBytes(path("no/such/folder.dat")); }), fault::FileNotFound);

    writeFileWhole(path("plain"), "x");
    EXPECT_EQ(faultOf([&] { writeFileWhole(path("plain/inside.dat"), "x"); }), fault::PathNotFound);

    fs::create_directory(path("taken"));
    EXPECT_EQ(faultOf([&] { writeFileWhole(path("taken"), "x"); }), fault::PathFileAccessError);
    EXPECT_TRUE(fs::is_directory(path("taken")));
    EXPECT_FALSE(fs::exists(path("taken.part")));
}

} // namespace
} // namespace basic
