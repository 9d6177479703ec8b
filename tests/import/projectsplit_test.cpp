// The project file written and read in chunks on several threads gives the bytes and the data of
// one piece on one thread, with chunks forced down to a record or a byte.
#include "../basic/fault_of.h"
#include "import/projectreader.h"
#include "import/projectwriter.h"
#include "projectsample.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace osmimport {
namespace {

using basic::faultOf;
namespace fault = basic::fault;

constexpr RecordSplit kOnePiece{1, std::size_t{1} << 30};
constexpr RecordSplit kSplits[] = {{2, 5}, {3, 13}, {4, 64}, {8, 1000}};

constexpr Long kNodes = 300;
constexpr Long kWays = 120;

// Records of every kind of text the escaping changes and numbers at the edges of their print forms.
ProjectData variedProject() {
    ProjectData d = sampleProject();
    const double numbers[] = {0, -0.0, 1e-5, -9.99999e-5, 123456789012345.0, 1e15, -4001.25048828125, 0.1,
                              5e-324, 1.5e308, 2147483647, -32768.5};
    const std::string texts[] = {"", "a,b", "\"q\"", "cr\r\nlf", "lone\rcr", "S\xC3\xA3o", "1+-2", "\xA3\xFA",
                                 std::string(5000, 'L') + ",\n"};
    d.sizeNodes(kNodes);
    for (Long i = 1; i <= kNodes; ++i) {
        d.nodeX[i] = numbers[i % 12] * (i % 5 == 0 ? -1 : 1);
        d.nodeY[i] = static_cast<double>(i) / 7;
        d.nodeInfo[i] = texts[i % 9] + std::to_string(i);
        d.nodeName[i] = texts[(i * 5) % 9];
    }
    d.sizeWays(kWays);
    for (Long i = 1; i <= kWays; ++i) {
        d.wayNodes[i] = std::to_string(i) + "#" + std::to_string(i * 3 % kNodes + 1) + "#";
        d.wayWidth[i] = static_cast<Integer>(i % 7 - 1);
        d.wayLineStyle[i] = static_cast<Integer>(i % 7);
        d.wayColour[i] = static_cast<double>(i * 139 % 16777216);
        if (i % 3 == 0) d.wayExtraColour[i] = 0.5 * static_cast<double>(i);
        d.wayLayer[i] = static_cast<Integer>(i % 120);
        d.wayLineStyleColour[i] = -numbers[i % 12] / 1e300;
        d.wayNameAngle[i] = i * 7 % 360;
        d.wayMaxSegment[i] = static_cast<Single>(numbers[i % 12] / 1e290);
        d.wayLabelX[i] = std::numeric_limits<Single>::denorm_min() * static_cast<Single>(i);
        d.wayFill[i] = static_cast<double>(i % 30);
        d.wayName[i] = texts[i % 9];
        d.wayUser[i] = texts[(i + 4) % 9];
    }
    d.lab2Count = 40;
    d.labels.assign(40, {"Green, \"North\"\r\n", -3, 1e10, 0.125f});
    return d;
}

TEST(ProjectSplitTest, ChunksOnThreadsWriteTheBytesOfOnePiece) {
    const ProjectData d = variedProject();
    const std::string whole = projectFileBytes(d, '"', kOnePiece);
    ASSERT_GT(whole.size(), 40000u);
    for (const RecordSplit& split : kSplits)
        EXPECT_EQ(projectFileBytes(d, '\'', split) == projectFileBytes(d, '\'', kOnePiece) &&
                      projectFileBytes(d, '"', split) == whole,
                  true)
            << split.workers << " workers, " << split.chunkBytes << " bytes";
}

TEST(ProjectSplitTest, ChunksAreCutByTheBytesOfTheirRecordsNotTheirNumber) {
    struct Case {
        std::vector<std::size_t> bytes; // of records 1, 2, ...
        std::size_t chunkBytes;
        std::vector<Long> starts;
    };
    const Case cases[] = {
        {{10, 10, 10, 10, 10, 10, 10, 10, 10, 10}, 30, {1, 4, 7, 10, 11}},
        {{5, 5, 1000, 5, 5}, 20, {1, 4, 6}},    // a long record ends its chunk at once
        {{1000, 1000, 1000}, 20, {1, 2, 3, 4}}, // and is a chunk of its own
        {{5, 5}, 1000, {1, 3}},
        {{}, 10, {1, 1}},
    };
    for (const Case& c : cases) {
        const auto count = static_cast<Long>(c.bytes.size());
        EXPECT_EQ(chunkStarts(count, [&](Long i) { return c.bytes[static_cast<std::size_t>(i - 1)]; }, c.chunkBytes),
                  c.starts)
            << c.chunkBytes;
    }
}

TEST(ProjectSplitTest, ChunksOnThreadsReadTheDataOfOnePiece) {
    const std::string bytes = projectFileBytes(variedProject(), '"', kOnePiece);
    const ProjectData whole = readProjectFile(bytes, ProjectExtent::Whole, {}, kOnePiece);
    EXPECT_EQ(whole.nodeInfo[kNodes], variedProject().nodeInfo[kNodes]);
    for (const RecordSplit& split : kSplits) {
        // Every byte the reader says it has passed is spoiled at once: it must not be read again.
        std::string spoiled = bytes;
        char* released = spoiled.data();
        const ProjectData read = readProjectFile(spoiled, ProjectExtent::Whole, [&](const char* readTo) {
            ASSERT_GE(readTo, released);
            std::memset(released, 'x', static_cast<std::size_t>(readTo - released));
            released = const_cast<char*>(readTo);
        }, split);
        EXPECT_GT(released, spoiled.data() + bytes.size() / 2) << split.chunkBytes;
        EXPECT_TRUE(read == whole) << split.workers << " workers, " << split.chunkBytes << " bytes";
        EXPECT_TRUE(readProjectFile(bytes, ProjectExtent::ThroughStreetNames, {}, split) ==
                    readProjectFile(bytes, ProjectExtent::ThroughStreetNames, {}, kOnePiece));
    }
}

// The file's lines with line `line` replaced by text and the `joined` lines after it left out.
std::string withLine(const std::string& bytes, std::size_t line, const std::string& text, std::size_t joined = 0) {
    std::vector<std::string> lines = linesOf(bytes);
    lines.at(line) = text;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line + 1),
                lines.begin() + static_cast<std::ptrdiff_t>(line + 1 + joined));
    std::string out;
    for (const std::string& l : lines)
        out += l + "\r\n";
    return out;
}

TEST(ProjectSplitTest, DamagedRecordsGiveTheDataOrTheFaultOfOnePiece) {
    const std::string bytes = projectFileBytes(variedProject(), '"', kOnePiece);
    constexpr std::size_t kFirstNode = 17;
    const std::size_t firstWay = kFirstNode + 4 * kNodes;
    const std::size_t lastWay = firstWay + 17 * (kWays - 1);
    const struct {
        const char* what;
        std::string bytes;
        int fault; // of reading them; 0: read
    } cases[] = {
        {"a node's place on one line", withLine(bytes, kFirstNode + 4 * 150, "1.5, -2", 1), 0},
        {"two values on a node line", withLine(bytes, kFirstNode + 4 * 150, "1,2"), fault::TypeMismatch},
        {"a quoted name", withLine(bytes, kFirstNode + 4 * 200 + 3, "\"Quoted, name\" rest"), 0},
        {"a late bad colour and an earlier bad number", withLine(withLine(bytes, lastWay + 3, "-5"),
                                                                 kFirstNode + 4 * 250, "abc"),
         fault::TypeMismatch},
        {"a bad colour in the last way", withLine(bytes, lastWay + 3, "-5"), fault::InvalidPropertyValue},
        {"a way style out of range", withLine(bytes, firstWay + 17 * 60 + 2, "9"), fault::InvalidPropertyValue},
        {"the records cut short", bytes.substr(0, bytes.size() / 3), fault::InputPastEndOfFile},
    };
    for (const auto& c : cases) {
        ProjectData whole;
        ASSERT_EQ(faultOf([&] { whole = readProjectFile(c.bytes, ProjectExtent::Whole, {}, kOnePiece); }), c.fault)
            << c.what;
        for (const RecordSplit& split : kSplits) {
            ProjectData read;
            EXPECT_EQ(faultOf([&] { read = readProjectFile(c.bytes, ProjectExtent::Whole, {}, split); }), c.fault)
                << c.what << ", " << split.chunkBytes << " bytes";
            EXPECT_TRUE(read == whole) << c.what << ", " << split.chunkBytes << " bytes";
        }
    }
}

TEST(ProjectSplitTest, AValueNoReaderCouldTakeStopsTheChunkedWriterAsTheWholeOne) {
    ProjectData d = variedProject();
    d.wayLabelY[kWays - 2] = std::numeric_limits<Single>::infinity();
    for (const RecordSplit& split : kSplits) {
        std::string out;
        EXPECT_EQ(faultOf([&] { writeProjectFile(d, '"', [&](std::string_view piece) { out += piece; }, split); }),
                  fault::Overflow);
        // The records before it went out in order, and nothing after them.
        const std::string whole = projectFileBytes(variedProject(), '"', kOnePiece);
        EXPECT_EQ(whole.compare(0, out.size(), out), 0);
        EXPECT_LT(out.size(), whole.size());
    }
}

} // namespace
} // namespace osmimport
