#include "import/loadbinary.h"

#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace osmimport {
namespace {

class RecordingLoadClient : public LoadClient {
public:
    void message(std::string_view text) override { messages.emplace_back(text); }
    void hourglassOn() override {
        hourglass = true;
        everOn = true;
    }
    void hourglassOff() override { hourglass = false; }
    void doEvents() override {
        ++events;
        if (onEvents) onEvents(events);
    }

    std::vector<std::string> messages;
    bool hourglass = false;
    bool everOn = false;
    int events = 0;
    std::function<void(int)> onEvents; // told the count of pending-event calls so far
};

class LoadBinaryTest : public ::testing::Test {
protected:
    std::string path(const char* name) const { return folder_.filePath(name).toStdString(); }

    std::string write(const char* name, const std::string& bytes) const {
        const std::string file = path(name);
        std::FILE* out = std::fopen(file.c_str(), "wb");
        EXPECT_NE(out, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
        return file;
    }

    // A file of `size` bytes that takes no room: zeros but for the bytes at the marked places.
    std::string sparse(const char* name, std::int64_t size,
                       const std::vector<std::int64_t>& marks = {}) const {
        const std::string file = write(name, "");
        EXPECT_EQ(::truncate(file.c_str(), size), 0);
        std::FILE* out = std::fopen(file.c_str(), "r+b");
        for (std::int64_t at : marks) {
            std::fseek(out, static_cast<long>(at), SEEK_SET);
            std::fputc(markAt(at), out);
        }
        std::fclose(out);
        return file;
    }

    static char markAt(std::int64_t at) { return static_cast<char>('A' + at % 26); }

    QTemporaryDir folder_;
    RecordingLoadClient client_;
};

TEST(LoadBinaryRulesTest, RefusalThresholds) {
    const struct {
        std::int64_t size;
        std::optional<std::string_view> refusal;
    } cases[] = {
        {0, std::nullopt},
        {kChunkBytes, std::nullopt},
        {973'468'079, std::nullopt}, // 19 whole chunks
        {973'468'080, "File is too long:"},
        {2'147'483'647, "File is too long:"},
        {2'147'483'648, "File too long"},
        {std::int64_t{1} << 40, "File too long"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sizeRefusal(c.size), c.refusal) << c.size;
}

TEST(LoadBinaryRulesTest, FileSizeInMegabytesOfSinglePrecision) {
    EXPECT_EQ(fileSizeMB(3'145'728), 3.0f);
    EXPECT_EQ(fileSizeMB(0), 0.0f);
    EXPECT_EQ(fileSizeMB(524'288), 0.5f);
    EXPECT_EQ(fileSizeMB(1), static_cast<float>(1.0 / 1048576));
    EXPECT_EQ(fileSizeMB(kChunkBytes), static_cast<float>(48'673'404.0 / 1048576));
}

// Nothing chosen gives nothing, silently; a file that gives nothing to import says why, once,
// before the pointer changes.
TEST_F(LoadBinaryTest, NothingToLoadSaysWhyAndLeavesThePointer) {
    ASSERT_EQ(::mkdir(path("folder.osm").c_str(), 0755), 0);
    const std::string empty = write("empty.osm", "");
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {}},
        {path("missing.osm"), {path("missing.osm") + " doesn't exist"}},
        {path("folder.osm"), {path("folder.osm") + " is not a file"}},
        {empty, {empty + " is empty"}},
    };
    for (const auto& [where, messages] : cases) {
        client_.messages.clear();
        const LoadedText loaded = loadbinary(where, client_);
        EXPECT_TRUE(loaded.text.empty()) << where;
        EXPECT_FALSE(loaded.sizeMB) << where;
        EXPECT_EQ(client_.messages, messages);
    }
    EXPECT_FALSE(client_.everOn);
}

TEST_F(LoadBinaryTest, BytesArriveUndecodedAndTheHourglassStaysOn) {
    const std::string bytes = std::string("<osm>\xC3\xA9\r\n", 9) + std::string(1, '\0') + "\xFF\x80'\"";
    const LoadedText loaded = loadbinary(write("bytes.osm", bytes), client_);
    ASSERT_EQ(loaded.text.size(), bytes.size());
    EXPECT_EQ(loaded.text, bytes);
    EXPECT_EQ(static_cast<unsigned char>(loaded.text[5]), 0xC3);
    EXPECT_EQ(static_cast<unsigned char>(loaded.text[6]), 0xA9);
    EXPECT_TRUE(client_.messages.empty());
    EXPECT_TRUE(client_.hourglass); // the import turns it off at its end
    EXPECT_GE(client_.events, 6);   // three before, two after opening, one per chunk
}

TEST_F(LoadBinaryTest, OneByteFile) {
    EXPECT_EQ(loadbinary(write("one.osm", "x"), client_).text, "x");
}

// Every byte of a file of one, two or three chunks arrives in file order.
TEST_F(LoadBinaryTest, EveryChunkIsRead) {
    for (const std::int64_t size : {kChunkBytes, kChunkBytes + 1, 2 * kChunkBytes + 1}) {
        std::vector<std::int64_t> marks = {0, kChunkBytes - 1, size - 1};
        if (size > kChunkBytes) marks.push_back(kChunkBytes);
        if (size > 2 * kChunkBytes) marks.push_back(2 * kChunkBytes - 1);
        const std::string file = sparse("chunks.osm", size, marks);
        LoadedText loaded = loadbinary(file, client_);
        ASSERT_EQ(static_cast<std::int64_t>(loaded.text.size()), size);
        for (std::int64_t at : marks)
            EXPECT_EQ(loaded.text[static_cast<std::size_t>(at)], markAt(at)) << size << " at " << at;
        EXPECT_EQ(loaded.text[1], '\0');
        EXPECT_EQ(loaded.sizeMB, fileSizeMB(size));
        std::remove(file.c_str());
    }
    EXPECT_TRUE(client_.messages.empty());
}

TEST_F(LoadBinaryTest, RefusedSizesShowTheirMessageAndReadNothing) {
    const struct {
        std::int64_t size;
        const char* message;
        bool sized;
    } cases[] = {
        {kChunkLimit * kChunkBytes, "File is too long:", true},
        {kLengthLimit, "File too long", false},
    };
    for (const auto& c : cases) {
        RecordingLoadClient client;
        const LoadedText loaded = loadbinary(sparse("huge.osm", c.size), client);
        EXPECT_TRUE(loaded.text.empty());
        EXPECT_EQ(client.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(loaded.sizeMB.has_value(), c.sized);
        EXPECT_FALSE(client.hourglass) << "the pointer is the normal one again";
    }
}

TEST_F(LoadBinaryTest, FileVanishingWhileTheLoaderStarts) {
    const std::string file = write("gone.osm", "<osm/>");
    client_.onEvents = [&](int) { std::remove(file.c_str()); };
    const LoadedText loaded = loadbinary(file, client_);
    EXPECT_TRUE(loaded.text.empty());
    EXPECT_EQ(client_.messages, std::vector<std::string>{file + " doesn't exist"});
    EXPECT_FALSE(client_.hourglass);
}

// A file cut short after it was opened cannot be read to its end: the message, and no text.
TEST_F(LoadBinaryTest, ReadFailureGivesTheEmptyText) {
    const std::string file = write("cut.osm", std::string(4096, 'n'));
    client_.onEvents = [&](int calls) {
        if (calls == 4) {
            ASSERT_EQ(::truncate(file.c_str(), 100), 0);
        }
    };
    const LoadedText loaded = loadbinary(file, client_);
    EXPECT_TRUE(loaded.text.empty());
    EXPECT_EQ(client_.messages, std::vector<std::string>{"Input past end of file"});
    EXPECT_FALSE(client_.hourglass);
}

} // namespace
} // namespace osmimport
