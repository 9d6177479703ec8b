// The parsed project file kept in memory: taken while the file is unchanged, parsed again once
// it changes, filled from the bytes an import wrote, and never kept when the reader refuses.

#include "basic/fault.h"
#include "basic/wholefile.h"
#include "import/projectcache.h"
#include "import/projectsample.h"
#include "import/projectwriter.h"

#include <filesystem>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

namespace osmimport {
namespace {

class ParsedProjectFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vk-cache-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder_ = pattern;
        path_ = (folder_ / "map.vnk").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // Rewrites the file in place with the same size and modification time: only its bytes differ.
    void overwriteKeepingTheStamp(std::string bytes) {
        struct stat before {};
        ASSERT_EQ(::stat(path_.c_str(), &before), 0);
        ASSERT_EQ(bytes.size(), static_cast<std::size_t>(before.st_size));
        {
            FILE* file = std::fopen(path_.c_str(), "r+b");
            ASSERT_NE(file, nullptr);
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
        const struct timespec times[2] = {before.st_atim, before.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, path_.c_str(), times, 0), 0);
    }

    std::filesystem::path folder_;
    std::string path_;
    ParsedProjectFile cache_;
};

TEST_F(ParsedProjectFileTest, AnUnchangedFileIsTakenFromMemoryAChangedOneIsParsedAgain) {
    ProjectData sample = sampleProject();
    basic::writeFileWhole(path_, projectFileBytes(sample, '"'));
    const ProjectData& first = cache_.read(path_);
    EXPECT_EQ(first.nodeName[1], "Red Lion");
    ASSERT_FALSE(first.wayNodeStart.empty()); // the way node indices come with it

    sample.nodeName[1] = "Red Bull"; // as long as "Red Lion"
    const std::string changed = projectFileBytes(sample, '"');
    overwriteKeepingTheStamp(changed);
    EXPECT_EQ(cache_.read(path_).nodeName[1], "Red Lion");
    EXPECT_EQ(cache_.unchanged(path_), &first);

    basic::writeFileWhole(path_, changed); // a new file under the same path
    EXPECT_EQ(cache_.unchanged(path_), nullptr);
    EXPECT_EQ(cache_.read(path_).nodeName[1], "Red Bull");
}

TEST_F(ParsedProjectFileTest, TheImportFillsItFromTheBytesItWrote) {
    std::string written;
    ASSERT_EQ(saveProjectFile(path_, sampleProject(), '"', &written), std::nullopt);
    cache_.fill(path_, written);
    ProjectData other = sampleProject();
    other.nodeName[1] = "Red Bull";
    overwriteKeepingTheStamp(projectFileBytes(other, '"'));
    EXPECT_EQ(cache_.read(path_).nodeName[1], "Red Lion");
    EXPECT_EQ(written, projectFileBytes(sampleProject(), '"')); // every piece, in order
    EXPECT_NE(saveProjectFile(folder_.string(), other, '"', &written), std::nullopt);
    EXPECT_TRUE(written.empty()); // nothing written, nothing handed over
}

TEST_F(ParsedProjectFileTest, ARefusedFileRaisesAndIsNotKept) {
    const std::string good = projectFileBytes(sampleProject(), '"');
    basic::writeFileWhole(path_, good);
    cache_.read(path_);
    basic::writeFileWhole(path_, good.substr(0, good.size() / 3));
    EXPECT_THROW(cache_.read(path_), basic::RuntimeFault);
    EXPECT_THROW(cache_.read(path_), basic::RuntimeFault); // not the earlier copy either
    EXPECT_THROW(cache_.read((folder_ / "missing.vnk").string()), basic::RuntimeFault);
    EXPECT_THROW(cache_.fill(path_, "no project"), basic::RuntimeFault);
}

} // namespace
} // namespace osmimport
