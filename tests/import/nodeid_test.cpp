#include "import/nodeid.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace osmimport {
namespace {

TEST(NodeIdIndexTest, NormalisesIdsForFilingAndLookup) {
    struct Case {
        const char* what;
        const char* filed;
        const char* looked;
        Long node;
    };
    const Case cases[] = {
        {"plain", "501", "501", 1},
        {"leading zeros and blanks", " 00502 ", "502", 2},
        {"plus sign", "+503", "503", 3},
        {"negative", "-7", " -007", 4},
        {"minus zero", "-0", "0", 5},
        {"beyond 32 bits", "9000000000", "09000000000", 6},
        {"text trimmed", " n12 ", "n12", 7},
        {"a decimal stays text", "12.0", "12.0", 8},
        {"beyond 64 bits stays text", "99999999999999999999", "99999999999999999999", 9},
        {"two signs stay text", "+-5", "+-5", 10},
    };
    NodeIdIndex index;
    for (const auto& c : cases)
        index.add(c.filed, c.node);
    for (const auto& c : cases) {
        EXPECT_EQ(index.find(c.looked, false), c.node) << c.what;
        EXPECT_EQ(index.find(c.looked, true), c.node) << c.what;
    }
    EXPECT_EQ(index.find("12", false), 0);  // "12.0" is not 12
    EXPECT_EQ(index.find("-5", false), 0);  // "+-5" is not -5
    EXPECT_EQ(index.find("N12", false), 0); // text is compared exactly
}

TEST(NodeIdIndexTest, AnEmptyIdFilesNothing) {
    NodeIdIndex index;
    index.add("", 1);
    index.add("   ", 2);
    EXPECT_EQ(index.find("", false), 0);
    EXPECT_EQ(index.find(" ", true), 0);
    EXPECT_EQ(index.chunkInUse(), 0);
}

TEST(NodeIdIndexTest, OpensAChunkOnceTheOneInUsePasses3000Characters) {
    // The chunk starts as ","; nine entries of 297 + "$" + 1 digit + "," and one of
    // 295 + "$10," bring it to exactly 3000 characters, which is not yet past 3000.
    NodeIdIndex index;
    for (Long node = 1; node <= 9; ++node)
        index.add(std::string(297, static_cast<char>('a' + node)), node);
    index.add(std::string(295, 'z'), 10);
    index.add("11", 11);
    EXPECT_EQ(index.chunkInUse(), 0);
    index.add("12", 12);
    EXPECT_EQ(index.chunkInUse(), 1);
}

// The index as a series of texts, searched as the text index is.
class TextIndex {
public:
    void add(const std::string& id, Long node) {
        if (chunks_.back().size() > kIdChunkLength) chunks_.push_back(",");
        chunks_.back() += id + "$" + std::to_string(node) + ",";
    }
    Long find(const std::string& id, bool lateWay) const {
        const std::string needle = "," + id + "$";
        const std::size_t n = chunks_.size();
        for (std::size_t k = 0; k < n; ++k) {
            const std::string& chunk = chunks_[lateWay ? n - 1 - k : k];
            const std::size_t at = chunk.find(needle);
            if (at == std::string::npos) continue;
            const std::size_t dollar = chunk.find('$', at + 1);
            return std::stol(chunk.substr(dollar + 1, chunk.find(',', dollar) - dollar - 1));
        }
        return 0;
    }

private:
    std::vector<std::string> chunks_{","};
};

TEST(NodeIdIndexTest, DuplicatedIdsResolveAsTheTextIndexResolvesThem) {
    for (int range : {50, 400, 5000}) {
        std::mt19937 random(static_cast<unsigned>(range));
        std::uniform_int_distribution<long long> pick(0, range - 1);
        NodeIdIndex index;
        TextIndex text;
        for (Long node = 1; node <= 20000; ++node) {
            const std::string id = std::to_string(2'000'000'000LL + pick(random) * 7919);
            index.add(id, node);
            text.add(id, node);
        }
        for (long long k = 0; k < range; ++k) {
            const std::string id = std::to_string(2'000'000'000LL + k * 7919);
            ASSERT_EQ(index.find(id, false), text.find(id, false)) << range << " early " << id;
            ASSERT_EQ(index.find(id, true), text.find(id, true)) << range << " late " << id;
        }
    }
}

TEST(NodeIdIndexTest, EarlyAndLateWaysSeeDifferentCopies) {
    NodeIdIndex index;
    index.add("42", 1);
    index.add("42", 2); // same chunk as node 1
    Long node = 3;
    for (; index.chunkInUse() == 0; ++node)
        index.add(std::to_string(100000 + node), node);
    index.add("42", node);     // the first copy in the next chunk
    index.add("42", node + 1); // a later copy in the same chunk
    EXPECT_EQ(index.find("42", false), 1);
    EXPECT_EQ(index.find("42", true), node);
}

TEST(SearchesFromLastTest, TheLaterFortyPercentOfWays) {
    EXPECT_FALSE(searchesFromLast(5, 10));
    EXPECT_TRUE(searchesFromLast(6, 10));
    EXPECT_FALSE(searchesFromLast(1, 5)); // 5 x 0.6 = 3
    EXPECT_TRUE(searchesFromLast(3, 5));
    EXPECT_FALSE(searchesFromLast(1, 4)); // 4 x 0.6 = 2.4 -> 2
    EXPECT_TRUE(searchesFromLast(2, 4));
    EXPECT_TRUE(searchesFromLast(1, 1)); // 0.6 -> 1
    EXPECT_FALSE(searchesFromLast(29999, 50000));
    EXPECT_TRUE(searchesFromLast(30000, 50000));
}

} // namespace
} // namespace osmimport
