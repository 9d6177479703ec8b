#include "basic/wholefile.h"
#include "fault_of.h"
#include "support/hostilefiles.h"

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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
}

// Two instances of the program saving one file at once: each says it wrote the file, and the
// file is always the whole output of one of them.
TEST_F(WholeFileTest, TwoWritersOfOneFileLeaveTheWholeOutputOfOne) {
    const std::string bytes[2] = {std::string(300'000, 'a'), std::string(200'000, 'b')};
    for (int round = 0; round < 30; ++round) {
        std::atomic<int> ready{0};
        int faults[2] = {-1, -1};
        auto save = [&](int k) {
            for (++ready; ready < 2;) {
            }
            faults[k] = faultOf([&] { writeFileWhole(path("map.vnk"), bytes[k]); });
        };
        std::thread first(save, 0);
        save(1);
        first.join();
        ASSERT_EQ(faults[0] + faults[1], 0) << round;
        const std::string result = readFileBytes(path("map.vnk"));
        ASSERT_TRUE(result == bytes[0] || result == bytes[1]) << round << ": " << result.size();
    }
    EXPECT_EQ(entries(), 1u);
}

// A link where a temporary file could go, or at the target, never lets a save write into another
// file; the replaced file keeps its mode, a new one gets the default.
TEST_F(WholeFileTest, AReplacedFileIsAFileOfItsOwnWithTheOldMode) {
    writeFileWhole(path("letter.txt"), "the user's own file");
    fs::create_symlink(path("letter.txt"), path("map.vnk.part"));
    fs::create_symlink(path("letter.txt"), path("map.vnk"));
    writeFileWhole(path("map.vnk"), "project");
    EXPECT_EQ(readFileBytes(path("letter.txt")), "the user's own file");
    EXPECT_FALSE(fs::is_symlink(path("map.vnk")));
    EXPECT_EQ(readFileBytes(path("map.vnk")), "project");

    const auto modeOf = [&](const char* name) { return fs::status(path(name)).permissions(); };
    for (const auto mode : {fs::perms::owner_read | fs::perms::owner_write, fs::perms::owner_read,
                            fs::perms{0644}, fs::perms{0640}}) {
        fs::permissions(path("map.vnk"), mode);
        writeFileWhole(path("map.vnk"), "again");
        EXPECT_EQ(modeOf("map.vnk"), mode);
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    writeFileWhole(path("new.dat"), "x");
    EXPECT_EQ(modeOf("new.dat"), static_cast<fs::perms>(0666 & ~mask));
}

// The temporary file goes beside the target: from the working folder's file system it could not
// be renamed over a target on another one.
TEST_F(WholeFileTest, ATargetOnAnotherFileSystemThanTheWorkingFolderIsWritten) {
    struct stat shared {}, here {};
    if (::stat("/dev/shm", &shared) != 0 || ::stat(folder_.c_str(), &here) != 0 || shared.st_dev == here.st_dev)
        GTEST_SKIP() << "/dev/shm is not another file system";
    const fs::path elsewhere = fs::path("/dev/shm") / folder_.filename();
    fs::create_directory(elsewhere);
    const struct Restore { // on every way out
        fs::path working, elsewhere;
        ~Restore() { fs::current_path(working), fs::remove_all(elsewhere); }
    } restore{fs::current_path(), elsewhere};
    fs::current_path(folder_);
    writeFileWhole((elsewhere / "a.vnk").string(), "a");
    writeFileWhole(fs::relative(elsewhere / "r.vnk").string(), "r"); // "../../dev/shm/..."
    EXPECT_EQ(readFileBytes((elsewhere / "a.vnk").string()) + readFileBytes((elsewhere / "r.vnk").string()), "ar");
    EXPECT_EQ(entries(), 0u);
}

TEST_F(WholeFileTest, AFileLargerThanTheReaderTakesIsRefusedUnread) {
    testsupport::writeHugeFile(path("huge.gpx"), "<gpx>");
    try {
        readFileBytes(path("huge.gpx"), std::uint64_t{256} << 20);
        ADD_FAILURE() << "read";
    } catch (const RuntimeFault& f) {
        EXPECT_EQ(std::pair(f.number(), f.description()), std::pair(7, path("huge.gpx") + " is too large"));
    }
    writeFileWhole(path("five"), "12345");
    EXPECT_EQ(readFileBytes(path("five"), 5), "12345");
    EXPECT_EQ(faultOf([&] { readFileBytes(path("five"), 4); }), fault::OutOfMemory);
}

TEST_F(WholeFileTest, TheHeadOfAFileIsReadAsFarAsItsLinesNeed) {
    testsupport::writeHugeFile(path("img.dat"), "1\r\n2\n");
    EXPECT_EQ(readFileLines(path("img.dat"), 1, 1 << 20), "1\r\n");
    EXPECT_EQ(readFileLines(path("img.dat"), 34, 1 << 20), "1\r\n2\n"); // the bound cuts the zeros' line
    for (const auto& [bytes, head] : {std::pair("abc\ndefgh\n", "abc\n"), {"abc\nde", "abc\nde"}}) {
        writeFileWhole(path("lines"), bytes);
        EXPECT_EQ(readFileLines(path("lines"), 5, 6), head) << bytes;
    }
}

// A pipe that nobody writes, or a device, is refused at once: opening the pipe would wait for a
// writer, and the window with it.
TEST_F(WholeFileTest, APipeOrADeviceIsRefusedAtOnce) {
    ASSERT_EQ(::mkfifo(path("fonts.dat").c_str(), 0644), 0);
    auto refused = std::async(std::launch::async, [&] {
        return faultOf([&] { readFileBytes(path("fonts.dat")); }) +
               faultOf([&] { readFileLines(path("fonts.dat"), 1, 9); });
    });
    bool waited = false;
    for (; refused.wait_for(std::chrono::seconds(1)) != std::future_status::ready; waited = true)
        ::close(::open(path("fonts.dat").c_str(), O_WRONLY | O_NONBLOCK)); // lets a waiting reader go
    EXPECT_FALSE(waited);
    EXPECT_EQ(refused.get(), 2 * fault::PathFileAccessError);
    EXPECT_EQ(faultOf([] { readFileBytes("/dev/null"); }), fault::PathFileAccessError);
}

} // namespace
} // namespace basic
