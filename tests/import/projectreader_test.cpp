#include "../basic/fault_of.h"
#include "basic/wholefile.h"
#include "import/projectreader.h"
#include "import/projectwriter.h"
#include "projectsample.h"

#include <filesystem>
#include <cmath>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>

namespace osmimport {
namespace {

using basic::faultOf;
namespace fault = basic::fault;

TEST(ProjectReaderTest, RestoresEveryItem) {
    const ProjectData written = sampleProject();
    const ProjectData read = readProjectFile(projectFileBytes(written, '"'));
    ProjectData expected = written;
    // Made by the writer from the quest texts.
    expected.hiddenAreaList = "3#AREA not closed\r\n";
    expected.areaRecordList = "2#Bridge? <tag k=\"bridge\" v=\"yes\"/>\r\n";
    expected.nodeUse.clear(); // the import's own, not stored
    EXPECT_EQ(read.nodeX, expected.nodeX);
    EXPECT_EQ(read.nodeInfo, expected.nodeInfo);
    EXPECT_EQ(read.nodeName, expected.nodeName);
    EXPECT_EQ(read.wayExtraColour, expected.wayExtraColour);
    EXPECT_EQ(read.wayUser, expected.wayUser);
    EXPECT_EQ(read.wayLabelX, expected.wayLabelX);
    EXPECT_EQ(read.labels, expected.labels);
    EXPECT_EQ(read.questTexts, expected.questTexts);
    EXPECT_EQ(read.onewayArrowList, expected.onewayArrowList);
    EXPECT_EQ(read.countCaptions, expected.countCaptions);
    EXPECT_TRUE(read == expected); // and every other item
}

TEST(ProjectReaderTest, WriteReadWriteGivesTheSameBytes) {
    const std::string bytes = projectFileBytes(sampleProject(), '"');
    EXPECT_EQ(projectFileBytes(readProjectFile(bytes), '"'), bytes);
}

TEST(ProjectReaderTest, KnownLosses) {
    ProjectData d;
    d.fileSizeMB = 1.23456789f;
    d.sizeNodes(2);
    d.nodeName[1] = "Bar, Grill";
    d.nodeName[2] = "  padded  ";
    d.nodeInfo[1] = "1+-2";
    d.sizeWays(0);
    const ProjectData read = readProjectFile(projectFileBytes(d, '"'));
    EXPECT_EQ(read.fileSizeMB, 1.234568f);     // 7 digits of a Single
    EXPECT_EQ(read.nodeName[1], "Bar  Grill"); // a comma comes back as a blank
    EXPECT_EQ(read.nodeName[2], "padded");     // blanks around a text are lost
    EXPECT_EQ(read.nodeInfo[1], "1\r\n2");     // a literal "+-" comes back as a line break
}

TEST(ProjectReaderTest, WaysBeyondTheNodeCountKeepTheirLabelPoints) {
    ProjectData d;
    d.sizeNodes(1);
    d.sizeWays(3);
    d.wayLabelX[3] = 77;
    d.wayFillArg[3] = 4;
    const ProjectData read = readProjectFile(projectFileBytes(d, '"'));
    ASSERT_EQ(read.wayLabelX.size(), 4u);
    EXPECT_EQ(read.wayLabelX[3], 77);
    EXPECT_EQ(read.wayFillArg[3], 4);
}

TEST(ProjectReaderTest, ReadsCommaSeparatedValuesAsTheListInputDoes) {
    std::string bytes = projectFileBytes(ProjectData{}, '"');
    ASSERT_EQ(bytes.substr(0, 8), " 0\r\n 0\r\n");
    bytes.replace(0, 8, "1.5, -2\r\n"); // H1 and H2 on one line
    const ProjectData read = readProjectFile(bytes);
    EXPECT_EQ(read.fileVersion, 1.5f);
    EXPECT_EQ(read.mapLon0, -2.0f);
}

std::string binaryBytes() {
    std::string bytes(4096, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 37 % 256);
    return bytes;
}

// A catalogue of damaged files: each one refused with its one fault.
TEST(ProjectReaderTest, RefusesDamagedFilesWithOneFault) {
    const std::string good = projectFileBytes(sampleProject(), '"');
    const std::vector<std::string> lines = linesOf(good);
    auto withLine = [&](std::size_t k, const std::string& text) {
        std::vector<std::string> l = lines;
        l[k - 1] = text;
        std::string out;
        for (const auto& s : l)
            out += s + "\r\n";
        return out;
    };
    struct Case {
        const char* what;
        std::string bytes;
        int fault;
    };
    const Case cases[] = {
        {"empty file", "", fault::InputPastEndOfFile},
        {"header only", good.substr(0, good.find("\r\n 4001")), fault::InputPastEndOfFile},
        {"cut inside the node records", good.substr(0, good.find("Red Lion")), fault::InputPastEndOfFile},
        {"cut before the count captions", good.substr(0, good.rfind("\r\n0\r\n")), fault::InputPastEndOfFile},
        {"last caption missing", good.substr(0, good.size() - 4), fault::InputPastEndOfFile},
        {"node count larger than the file", withLine(16, " 2000000000"), fault::InputPastEndOfFile},
        {"way count larger than the file", withLine(17, " 40"), fault::InputPastEndOfFile},
        {"label count larger than the file", withLine(7, " 32767"), fault::InputPastEndOfFile},
        {"quest count larger than the file", withLine(77, " 30000"), fault::InputPastEndOfFile},
        {"negative node count", withLine(16, "-1"), fault::SubscriptOutOfRange},
        {"negative label count", withLine(7, "-5"), fault::SubscriptOutOfRange},
        {"count beyond 32 bits", withLine(16, " 1E+20"), fault::Overflow},
        {"width beyond 16 bits", withLine(31, " 40000"), fault::Overflow},
        {"scale that is not a number", withLine(4, "wide"), fault::TypeMismatch},
        {"number with trailing text", withLine(18, " 4001.25xyz"), fault::TypeMismatch},
        {"empty number", withLine(10, ""), fault::TypeMismatch},
        {"a point alone", withLine(2, "."), fault::TypeMismatch},
        {"caption that is not a number", withLine(99, "zero"), fault::TypeMismatch},
        {"extra colour that is not a number", withLine(34, "blue"), fault::TypeMismatch},
        {"a short text", "<osm>\n</osm>\n", fault::InputPastEndOfFile},
        {"an OSM file", basic::readFileBytes(std::string(VK_TEST_DATA) + "/west-oakland.osm"),
         fault::TypeMismatch},
        {"binary bytes", binaryBytes(), fault::TypeMismatch},
    };
    for (const auto& c : cases)
        EXPECT_EQ(faultOf([&] { readProjectFile(c.bytes); }), c.fault) << c.what;
}

TEST(ProjectReaderTest, AHugeCountIsRefusedBeforeAnythingIsAllocated) {
    // Sixty-four lines are enough for a file without records; the counts claim 2^31 - 1 each.
    std::string bytes =
        " 1\r\n 0\r\n 0\r\n 1\r\n 0\r\n 0\r\n 2147483647\r\n 1\r\n 0\r\n 0\r\n\r\n#\r\n#\r\n#\r\n#\r\n"
        " 2147483647\r\n 2147483647\r\n";
    for (int k = 0; k < 100; ++k)
        bytes += "\r\n";
    EXPECT_EQ(faultOf([&] { readProjectFile(bytes); }), fault::InputPastEndOfFile);
}

class ProjectFileOnDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "vnk-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path folder_;
};

TEST_F(ProjectFileOnDiskTest, SavesWholeAndReadsBack) {
    const std::string path = (folder_ / "map.vnk").string();
    EXPECT_EQ(saveProjectFile(path, sampleProject(), '"'), std::nullopt);
    EXPECT_EQ(basic::readFileBytes(path), projectFileBytes(sampleProject(), '"'));
    EXPECT_EQ(readProjectFile(basic::readFileBytes(path)).nodeName[1], "Red Lion");
}

TEST_F(ProjectFileOnDiskTest, AFailedWriteSaysSoAndKeepsTheOldFile) {
    const std::string path = (folder_ / "map.vnk").string();
    basic::writeFileWhole(path, "old project");
    ProjectData spoiled = sampleProject();
    spoiled.nodeCount = 99; // refused while the bytes are made
    EXPECT_EQ(saveProjectFile(path, spoiled, '"'), "Can't write '" + path + "'");
    EXPECT_EQ(basic::readFileBytes(path), "old project");

    // A file of several pieces, refused at its last way after the first pieces went to disk.
    ProjectData big = sampleProject();
    big.sizeNodes(30000);
    for (Long i = 1; i <= big.nodeCount; ++i)
        big.nodeInfo[static_cast<std::size_t>(i)] = std::string(100, 'n');
    ASSERT_EQ(saveProjectFile(path, big, '"'), std::nullopt);
    EXPECT_EQ(basic::readFileBytes(path), projectFileBytes(big, '"'));
    const std::string whole = basic::readFileBytes(path);
    ASSERT_GT(whole.size(), 3u << 20);
    big.wayMaxSegment[2] = HUGE_VALF;
    EXPECT_EQ(saveProjectFile(path, big, '"'), "Can't write '" + path + "'");
    EXPECT_EQ(basic::readFileBytes(path), whole);

    const std::string missing = (folder_ / "no-such-folder" / "map.vnk").string();
    EXPECT_EQ(saveProjectFile(missing, sampleProject(), '"'), "Can't write '" + missing + "'");
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(folder_), std::filesystem::directory_iterator()),
        1);
}

} // namespace
} // namespace osmimport
