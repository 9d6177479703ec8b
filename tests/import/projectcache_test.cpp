// The parsed project file kept in memory: taken while the file is unchanged, parsed again once
// it changes, read whole however large, and never kept when the reader refuses.

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

TEST_F(ParsedProjectFileTest, AFileOfManyMegabytesReadsAsWhole) {
    // The reader hands back the bytes it has passed, megabyte by megabyte: every record must
    // still read as the file holds it, the last ones as the first.
    ProjectData large = sampleProject();
    const Long nodes = 20000;
    large.sizeNodes(nodes);
    for (Long i = 1; i <= nodes; ++i) {
        large.nodeX[static_cast<std::size_t>(i)] = static_cast<Double>(i);
        large.nodeInfo[static_cast<std::size_t>(i)] = "TAG" + std::string(300, 'a' + i % 26) + "#" + std::to_string(i);
    }
    large.otherNodesList = std::string(3 << 20, 'o');
    basic::writeFileWhole(path_, projectFileBytes(large, '"'));
    const ProjectData& read = cache_.read(path_);
    ASSERT_EQ(read.nodeCount, nodes);
    for (const Long i : {Long{1}, nodes / 2, nodes}) {
        EXPECT_EQ(read.nodeX[static_cast<std::size_t>(i)], static_cast<Double>(i));
        EXPECT_EQ(read.nodeInfo[static_cast<std::size_t>(i)], large.nodeInfo[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(read.otherNodesList, large.otherNodesList);
    EXPECT_EQ(read.countCaptions, large.countCaptions);
}

TEST_F(ParsedProjectFileTest, TheRecordsAreLentOnceTheRestIsCopiedEveryTime) {
    basic::writeFileWhole(path_, projectFileBytes(sampleProject(), '"'));
    ProjectData model;
    cache_.assign(model, cache_.read(path_), true);
    ASSERT_TRUE(cache_.recordsLent());
    const ProjectData& kept = cache_.read(path_);
    EXPECT_TRUE(kept.nodeInfo.empty()); // held once: by the model
    EXPECT_EQ(model.nodeInfo, sampleProject().nodeInfo);
    const std::string* records = model.nodeInfo.data();

    // What a drawing or a search changes comes back from the copy; the records stay the model's.
    model.nodeName[1] = "Red Lion Ln";
    model.wayWidth[1] = 99;
    model.quotList.clear();
    ProjectData changed = kept; // as the Planning Sheet takes it
    changed.questList = "#";
    cache_.assign(model, changed, true);
    EXPECT_EQ(model.nodeInfo.data(), records);
    EXPECT_EQ(model.nodeName[1], "Red Lion");
    EXPECT_EQ(model.wayWidth, sampleProject().wayWidth);
    EXPECT_EQ(model.quotList, sampleProject().quotList);
    EXPECT_EQ(model.questList, "#");

    // A file changed on disk is parsed again and its records replace the model's.
    ProjectData other = sampleProject();
    other.nodeInfo[1] = "PUBRed Bull#1";
    basic::writeFileWhole(path_, projectFileBytes(other, '"'));
    cache_.assign(model, cache_.read(path_), true);
    EXPECT_EQ(model.nodeInfo[1], "PUBRed Bull#1");
}

TEST_F(ParsedProjectFileTest, ARefusedFileRaisesAndIsNotKept) {
    const std::string good = projectFileBytes(sampleProject(), '"');
    basic::writeFileWhole(path_, good);
    cache_.read(path_);
    basic::writeFileWhole(path_, good.substr(0, good.size() / 3));
    EXPECT_THROW(cache_.read(path_), basic::RuntimeFault);
    EXPECT_THROW(cache_.read(path_), basic::RuntimeFault); // not the earlier copy either
    EXPECT_THROW(cache_.read((folder_ / "missing.vnk").string()), basic::RuntimeFault);
}

TEST_F(ParsedProjectFileTest, AFileParsedWhileItIsFlushedIsKeptForItsPathOnceSaved) {
    const auto parseWritten = [&](std::string path) {
        return [&, path](const std::string& written) {
            EXPECT_TRUE(std::filesystem::exists(written)); // the rename waits for the parse
            cache_.readWritten(written, path);
        };
    };
    ASSERT_EQ(saveProjectFile(path_, sampleProject(), '"', parseWritten(path_)), std::nullopt);
    ASSERT_NE(cache_.unchanged(path_), nullptr); // the drawing takes it without reading again
    EXPECT_EQ(cache_.unchanged(path_)->nodeName[1], "Red Lion");

    const std::string folder = (folder_ / "taken.vnk").string(); // the rename fails
    std::filesystem::create_directories(std::filesystem::path(folder) / "inside");
    EXPECT_EQ(saveProjectFile(folder, sampleProject(), '"', parseWritten(folder)),
              "Can't write '" + folder + "'");

    const std::string bytes = projectFileBytes(sampleProject(), '"'); // refused: not kept
    basic::writeFileWhole(path_, bytes.substr(0, bytes.size() / 3));
    cache_.readWritten(path_, path_);
    EXPECT_EQ(cache_.unchanged(path_), nullptr);
}

} // namespace
} // namespace osmimport
