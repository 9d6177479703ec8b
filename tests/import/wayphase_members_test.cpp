// A way is a relation member only when a relation names its id as the ref of a way member.

#include "import/wayphase_members.h"

#include <gtest/gtest.h>
#include <string>

namespace osmimport {
namespace {

TEST(RelationMembers, OnlyTheRefOfAWayMemberCounts) {
    // Relations anywhere in the text, either quote character, members in any attribute order.
    const std::string text =
        "<relation id=\"5770\">\n <member type=\"way\" ref=\"5771\" role=\"outer\"/>\n"
        " <member type=\"node\" ref=\"88\" role=\"\"/>\n <tag k=\"ref\" v=\"99\"/>\n</relation>\n"
        "<way id=\"12\"><nd ref=\"13\"/><tag k=\"note\" v=\"member of 14\"/></way>\n"
        "<relation id='6'><member role='inner' ref='0077' type='way'/></relation>\n"
        "<relation id=\"7\"><member type=\"relation\" ref=\"15\"/><member\ttype=\"way\"\tref=\"16\"/>"
        "</relation>";
    const RelationMembers members(text);
    struct Case {
        const char* id;
        bool member;
    };
    const Case cases[] = {
        {"5771", true},  {"0077", true}, {"16", true}, {"77", false}, // inside another id
        {"577", false},  // inside a relation's own id and a member's
        {"5770", false}, // the relation's own id
        {"88", false},   // a node member
        {"15", false},   // a relation member
        {"99", false},   // a tag value of the relation
        {"13", false},   // a way's reference, outside any relation
        {"14", false},   // a way's own text
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(members.isMember(c.id), c.member) << c.id;
}

TEST(RelationMembers, ATextWithoutRelationsHasNoMembers) {
    EXPECT_FALSE(RelationMembers("").isMember("1"));
    EXPECT_FALSE(RelationMembers("<way id=\"1\"><member type=\"way\" ref=\"1\"/></way>").isMember("1"));
}

} // namespace
} // namespace osmimport
