#include "import/tagtext.h"

#include <gtest/gtest.h>
#include <string>

namespace osmimport {
namespace {

constexpr char Q = '"';

struct GetvalCase {
    const char* what;
    std::string text;
    const char* key;
    char quote;
    std::string value;
};

TEST(GetvalTest, ReadsTheFirstMatchingAttribute) {
    const GetvalCase cases[] = {
        {"plain", R"(<node id="12" lat="51.5" lon="-1.2"/>)", "lat", Q, "51.5"},
        {"absent key", R"(<node id="12"/>)", "lon", Q, ""},
        {"no closing quote", R"(<node lat="51.5)", "lat", Q, ""},
        {"empty value", R"(<node lat="" lon="3"/>)", "lat", Q, ""},
        {"maxlat comes first", R"(<bounds maxlat="52" lat="51"/>)", "lat", Q, "52"},
        {"uid before id", R"(<node uid="7" id="12"/>)", "id", Q, "7"},
        {"key without equals sign is passed over", R"(lat lat="5")", "lat", Q, "5"},
        {"apostrophes", "<node lat='51.5' lon='2'/>", "lon", '\'', "2"},
        {"opening character skipped whatever it is", "<node lat=x51.5\" />", "lat", Q, "51.5"},
        {"value in the wrong quotes runs to the next quote", "<node lat='1' lon=\"2\"/>", "lat", Q,
         "1' lon="},
        {"key at the very end", "lat=", "lat", Q, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(getval(c.text, c.key, c.quote), c.value) << c.what;
}

TEST(GetvalTest, HasNoPositionLimit) {
    const std::string text = std::string(100000, ' ') + R"(lat="48.1")";
    EXPECT_EQ(getval(text, "lat", Q), "48.1");
}

TEST(TagvTest, ReadsTheNextValueAndMovesAStartOfZero) {
    const std::string text = R"(<tag k="amenity" v="pub"/><tag k="name" v="Red Lion"/>)";
    basic::Position start = 0;
    EXPECT_EQ(tagv(text, start, Q), "pub");
    EXPECT_EQ(start, 1);
    start = 20; // inside the first value: the next "v=" is the second tag's
    EXPECT_EQ(tagv(text, start, Q), "Red Lion");
    EXPECT_EQ(start, 20);
}

TEST(TagvTest, GivesTheEmptyTextWhereTheRuntimeWouldFail) {
    struct Case {
        const char* what;
        std::string text;
        basic::Position start;
    };
    const Case cases[] = {
        {"no v=", R"(<tag k="a"/>)", 1},    {"no closing quote", R"(<tag k="a" v="open)", 1},
        {"v= at the very end", "v=", 1},    {"start past the end", R"(v="x")", 6},
        {"negative start", R"(v="x")", -1},
    };
    for (auto c : cases)
        EXPECT_EQ(tagv(c.text, c.start, Q), "") << c.what;
}

TEST(TextAfterFirstTagTest, CutsAfterTheFirstTag) {
    EXPECT_EQ(textAfterFirstTag(R"(> <tag k="a" v="b"/>)"), R"( k="a" v="b"/>)");
    EXPECT_EQ(textAfterFirstTag("no tags here"), "no tags here");
    EXPECT_EQ(textAfterFirstTag("<tag"), "");
}

TEST(VTest, CondensesTagsToKeysAndValues) {
    struct Case {
        const char* what;
        std::string text;
        std::string condensed;
    };
    const Case cases[] = {
        {"pub with a name", R"(><tag k="amenity" v="pub"/><tag k="name" v="Red Lion"/></node>)",
         R"("amenity"  "pub" "name"  "Red Lion" )"},
        {"no k= at all", R"(> </node>)", R"(> </node>)"},
        {"a value with a slash is cut there", R"(<tag k="url" v="http://x.org"/>)", R"("url"  "http: )"},
        {"a part without a slash adds nothing", R"(<tag k="a" v="b">)", ""},
        {"v= inside a value becomes a blank too", R"(<tag k="note" v="kv=1"/>)", R"("note"  "k 1" )"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(condenseTags(c.text), c.condensed) << c.what;
}

TEST(FnnamTest, TakesTheWholeValueOfTheFirstNameKey) {
    struct Case {
        const char* what;
        std::string text;
        bool abbreviate;
        char quote;
        std::string name;
    };
    const Case cases[] = {
        {"abbreviated", R"(<tag k="name" v="High Road"/>)", true, Q, "High Rd"},
        {"as it stands", R"(<tag k="name" v="High Road"/>)", false, Q, "High Road"},
        {"slash kept", R"(<tag k="name" v="A/B Road"/>)", false, Q, "A/B Road"},
        {"nothing cut off", R"(<tag k="name" v="X"/>)", false, Q, "X"},
        {"name:en is the first key", R"(<tag k="name:en" v="Munich"/><tag k="name" v="M"/>)", false, Q,
         "Munich"},
        {"apostrophes", "<tag k='name' v='Rue Neuve'/>", true, '\'', "R Neuve"},
        {"no name key", R"(<tag k="highway" v="primary"/>)", false, Q, ""},
        {"no closing quote", R"(<tag k="name" v="Open)", false, Q, ""},
        {"no value", R"(<tag k="name")", false, Q, ""},
        {"empty value", R"(<tag k="name" v=""/>)", true, Q, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fnnam(c.text, c.abbreviate, c.quote), c.name) << c.what;
}

TEST(RefTagValueTest, ReadsTheRefTagOrAMarker) {
    struct Case {
        const char* what;
        std::string text;
        std::string ref;
    };
    const Case cases[] = {
        {"ref tag", R"(<tag k="ref" v="A34"/>)", "A34"},
        {"no ref at all", R"(<tag k="name" v="x"/>)", "J~"},
        {"ref only in nd elements", R"(<nd ref="12"/><tag k="name" v="x"/>)", "J?"},
        {"ref:bus is not the ref key", R"(<tag k="ref:bus" v="7"/>)", "J?"},
        {"no closing quote is silent", R"(<tag k="ref" v="A34)", ""},
        {"value too short to hold one", R"(<tag k="ref" v)", ""},
        {"blanks around the piece are trimmed", R"(k="ref"   v="12" )", "12"},
        {"only up to the next ref key", R"(k="ref" v="1/><tag k="old_ref" v="2"/>)", "1/><tag k="},
    };
    for (const auto& c : cases)
        EXPECT_EQ(refTagValue(c.text, Q), c.ref) << c.what;
}

TEST(MergeHashListsTest, JoinsTwoHashLists) {
    struct Case {
        const char* what;
        int mode;
        std::string source;
        std::string target;
        std::string joined;
    };
    const Case cases[] = {
        {"worked example, mode 0", 0, "#3#5#", "#5#", "#5##3#"},
        {"worked example, mode 1", 1, "#3#5#", "#5#", "#3##5#"},
        {"both empty", 0, "#", "#", "##"},
        {"empty source", 0, "", "#5#", "#5#"},
        {"area merge: the first entry of a target without a leading # is not seen", 2, "3#8#", "3#17#",
         "3#8#3#17#"},
        {"area merge: later entries are seen", 2, "3#17#", "5#17#", "3#5#17#"},
        {"items are compared with target only", 0, "#4#4#", "#", "##4#4#"},
        {"the piece after the last # is not used", 0, "1#2", "#", "#1#"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mergeHashLists(c.mode, c.source, c.target), c.joined) << c.what;
}

TEST(MergeHashListsTest, StaysLinearOnLongLists) {
    std::string source, target = "#";
    for (int i = 0; i < 200000; ++i) {
        source += std::to_string(i) + "#";
        if (i % 2 == 0) target += std::to_string(i) + "#";
    }
    const std::string joined = mergeHashLists(2, source, target);
    EXPECT_EQ(joined.size(), source.size() - (target.size() - 1) + target.size());
    EXPECT_EQ(joined.substr(0, 6), "1#3#5#");
}

} // namespace
} // namespace osmimport
