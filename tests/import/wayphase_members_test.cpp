// The relation-member test must answer exactly as a plain substring search of the relations
// text would, for every way id, while reading that text once.

#include "import/wayphase_members.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace osmimport {
namespace {

bool plainOccurs(std::string_view text, std::string_view id) {
    if (id.empty()) return !text.empty();
    return text.find(id) != std::string_view::npos;
}

TEST(RelationMembers, AnswersAsASubstringSearch) {
    const std::string text = "<relation id=\"5123\"><member type=\"way\" ref=\"0077\" role=\"outer\"/>"
                             "<member ref=\"123456789012345678901234\"/><tag k=\"name\" v=\"A12b\"/>";
    struct Case {
        const char* id;
        bool occurs;
    };
    const std::vector<Case> cases = {
        {"5123", true},   // a whole number of the text
        {"12", true},     // inside a longer number
        {"512", true},    // its beginning
        {"23", true},     // its end
        {"51234", false}, // longer than the run
        {"077", true},    // leading zeros are text
        {"0077", true},
        {"00077", false},
        {"77", true},
        {"123456789012345678", true},         // the longest the pass looks for
        {"1234567890123456789", true},        // longer: searched plainly
        {"1234567890123456789012345", false}, // longer than the run
        {"A12b", true},                       // not a number: searched plainly
        {"12b", true},
        {"-5", false},
        {"", true}, // the empty id occurs in any text
        {"66", false},
        {"1", true},
    };
    std::vector<std::string_view> ids;
    for (const Case& c : cases)
        ids.emplace_back(c.id);
    const RelationMembers members(text, ids);
    for (const Case& c : cases) {
        EXPECT_EQ(members.occurs(c.id), c.occurs) << c.id;
        EXPECT_EQ(members.occurs(c.id), plainOccurs(text, c.id)) << c.id;
    }
    // An id it was not built for is searched plainly.
    EXPECT_TRUE(members.occurs("345"));
    EXPECT_FALSE(members.occurs("88"));
}

TEST(RelationMembers, AnEmptyTextHoldsNothing) {
    const std::vector<std::string_view> ids = {"1", ""};
    const RelationMembers members("", ids);
    EXPECT_FALSE(members.occurs("1"));
    EXPECT_FALSE(members.occurs(""));
}

// Random digit texts and ids of mixed lengths, checked against the plain search.
TEST(RelationMembers, AgreesWithThePlainSearchOnRandomTexts) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(1, 6);
    const auto digits = [&](int n) {
        std::string s;
        for (int k = 0; k < n; ++k)
            s += static_cast<char>('0' + digit(random));
        return s;
    };
    for (int round = 0; round < 50; ++round) {
        std::string text;
        for (int k = 0; k < 20; ++k)
            text += digits(length(random)) + (k % 3 ? "," : "\"x");
        std::vector<std::string> owned;
        for (int k = 0; k < 40; ++k)
            owned.push_back(digits(length(random) % 4 + 1));
        const std::vector<std::string_view> ids(owned.begin(), owned.end());
        const RelationMembers members(text, ids);
        for (std::string_view id : ids)
            ASSERT_EQ(members.occurs(id), plainOccurs(text, id)) << text << " / " << id;
    }
}

} // namespace
} // namespace osmimport
