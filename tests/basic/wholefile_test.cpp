#include "basic/wholefile.h"
#include "fault_of.h"
#include "support/hostilefiles.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <thread>

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
    EXPECT_EQ(entries(), 2u); // "plain" and "taken": no temporary file is left behind

    const testsupport::FullDisk full;
    EXPECT_EQ(faultOf([&] { writeFileWhole(path("plain"), "longer"); }), fault::PathFileAccessError);
    EXPECT_EQ(readFileBytes(path("plain")), "x");
    EXPECT_EQ(entries(), 2u);
}

// Two instances of the program saving one project file at once: each says it wrote the file, and
// the file is always the whole output of one of them, never a mix.
TEST_F(WholeFileTest, TwoWritersOfOneFileLeaveTheWholeOutputOfOne) {
    const std::string target = path("map.vnk");
    const std::string bytes[2] = {std::string(300'000, 'a'), std::string(200'000, 'b')};
    for (int round = 0; round < 30; ++round) {
        std::atomic<int> ready{0};
        int faults[2] = {-1, -1};
        auto save = [&](int k) {
            ++ready;
            while (ready.load() < 2) {
            }
            faults[k] = faultOf([&] { writeFileWhole(target, bytes[k]); });
        };
        std::thread first(save, 0);
        std::thread second(save, 1);
        first.join();
        second.join();
        ASSERT_EQ(faults[0], 0) << "round " << round;
        ASSERT_EQ(faults[1], 0) << "round " << round;
        const std::string result = readFileBytes(target);
        ASSERT_TRUE(result == bytes[0] || result == bytes[1]) << "round " << round << ": " << result.size();
    }
    EXPECT_EQ(entries(), 1u);
}

// A link planted where a temporary file could go, or at the target itself, never lets a save
// write into a file of the user's: the target becomes a file of its own.
TEST_F(WholeFileTest, APlantedLinkIsNeverFollowed) {
    writeFileWhole(path("letter.txt"), "the user's own file");
    writeFileWhole(path("notes.txt"), "another file of the user's");
    fs::create_symlink(path("letter.txt"), path("map.vnk.part"));
    fs::create_symlink(path("notes.txt"), path("map.vnk"));
    writeFileWhole(path("map.vnk"), "project");
    EXPECT_EQ(readFileBytes(path("letter.txt")), "the user's own file");
    EXPECT_EQ(readFileBytes(path("notes.txt")), "another file of the user's");
    EXPECT_FALSE(fs::is_symlink(path("map.vnk")));
    EXPECT_EQ(readFileBytes(path("map.vnk")), "project");
    EXPECT_TRUE(fs::is_symlink(path("map.vnk.part")));
    EXPECT_EQ(entries(), 4u);
}

TEST_F(WholeFileTest, AReplacedFileKeepsItsModeAndANewFileGetsTheDefault) {
    const auto modeOf = [](const std::string& file) {
        struct stat info {};
        EXPECT_EQ(::stat(file.c_str(), &info), 0);
        return info.st_mode & 0777;
    };
    for (const mode_t mode : {0600, 0444, 0640}) {
        writeFileWhole(path("img.dat"), "old");
        ASSERT_EQ(::chmod(path("img.dat").c_str(), mode), 0);
        writeFileWhole(path("img.dat"), "new");
        EXPECT_EQ(modeOf(path("img.dat")), mode);
        EXPECT_EQ(readFileBytes(path("img.dat")), "new");
        fs::remove(path("img.dat"));
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    writeFileWhole(path("new.dat"), "x");
    EXPECT_EQ(modeOf(path("new.dat")), 0666 & ~mask);
}

TEST_F(WholeFileTest, AFileLargerThanTheReaderTakesIsRefusedUnread) {
    const std::string huge = path("huge.gpx");
    ASSERT_TRUE(testsupport::writeSparseFile(huge, "<gpx>", testsupport::kHugeFileBytes));
    try {
        readFileBytes(huge, std::uint64_t{256} << 20);
        ADD_FAILURE() << "read";
    } catch (const RuntimeFault& f) {
        EXPECT_EQ(f.number(), fault::OutOfMemory);
        EXPECT_EQ(f.description(), huge + " is too large");
    }
    writeFileWhole(path("five"), "12345");
    EXPECT_EQ(readFileBytes(path("five"), 5), "12345");
    EXPECT_EQ(faultOf([&] { readFileBytes(path("five"), 4); }), fault::OutOfMemory);
}

TEST_F(WholeFileTest, TheHeadOfAFileIsReadAsFarAsItsLinesNeed) {
    const std::string huge = path("img.dat");
    ASSERT_TRUE(testsupport::writeSparseFile(huge, "1\r\n2\r\n3\n", testsupport::kHugeFileBytes));
    EXPECT_EQ(readFileLines(huge, 2, 1 << 20), "1\r\n2\r\n");
    EXPECT_EQ(readFileLines(huge, 34, 1 << 20), "1\r\n2\r\n3\n"); // the bound cuts the zeros' line
    const struct {
        std::string bytes;
        std::size_t lines;
        std::size_t largest;
        std::string head;
    } cases[] = {
        {"x\r\ny", 5, 100, "x\r\ny"},                                  // a last line without its end
        {"abc\ndefgh\n", 5, 6, "abc\n"}, {"abc\nde", 5, 6, "abc\nde"}, // the file ends at the bound
        {"abcdefgh", 5, 6, ""},          {"", 5, 6, ""},
    };
    for (const auto& c : cases) {
        writeFileWhole(path("lines"), c.bytes);
        EXPECT_EQ(readFileLines(path("lines"), c.lines, c.largest), c.head) << c.bytes;
    }
}

// A named pipe that nobody writes, or a device, is refused at once: opening the pipe to read it
// would wait for a writer, and the window with it.
TEST_F(WholeFileTest, APipeOrADeviceIsRefusedAtOnce) {
    const std::string pipe = path("fonts.dat");
    ASSERT_TRUE(testsupport::makePipe(pipe));
    auto refused = std::async(std::launch::async, [&] {
        return std::pair(faultOf([&] { readFileBytes(pipe); }),
                         faultOf([&] { readFileLines(pipe, 34, 1000); }));
    });
    bool waited = false;
    while (refused.wait_for(std::chrono::seconds(1)) != std::future_status::ready) {
        waited = true; // a writer lets the reader go, so that the test ends
        const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    }
    EXPECT_FALSE(waited) << "the reader waited for a writer";
    EXPECT_EQ(refused.get(), std::pair(fault::PathFileAccessError, fault::PathFileAccessError));
    EXPECT_EQ(faultOf([] { readFileBytes("/dev/null"); }), fault::PathFileAccessError);
}

} // namespace
} // namespace basic
