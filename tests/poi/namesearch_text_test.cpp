// The text rules of the searches: the typed text made into the stored names' bytes, and when a
// name is a hit.

#include "poi/namesearch_text.h"

#include <gtest/gtest.h>

namespace poi {
namespace {

TEST(SearchKeyTest, GivesTheBytesTheStoredNamesHold) {
    struct Case {
        const char* typed;
        const char* key;
    };
    const Case cases[] = {
        {"high road", "high rd"}, // proper case first, so the street word is shortened
        {"HIGH ROAD", "high rd"},
        {"The Crescent", "the cres"},
        {"roadhouse", "rdhouse"}, // street words are shortened anywhere, as in the stored names
        {"bar", "bar"},
        {"", ""},
        {"Caf\xC3\xA9", "cafe"},                                // the accent the import folds
        {"\xC5\x81\xC3\xB3\x64\xC5\xBA", "\xE5\x81od\xE5\xBA"}, // an unfolded letter stays UTF-8
        {"Hauptstra\xC3\x9F\x65", "hauptstr."},                 // the sharp s as the import rewrites it
    };
    for (const Case& c : cases)
        EXPECT_EQ(searchKey(c.typed), c.key) << c.typed;
}

TEST(NodeNameMayMatchTest, AMatchInsideAWordDoesNotCount) {
    struct Case {
        const char* name;
        const char* text;
        bool match;
    };
    const Case cases[] = {
        {"the bar", "bar", true},         // after a blank
        {"barley mow", "bar", true},      // at character 1
        {"xbar", "bar", true},            // at character 2 nothing before it is looked at
        {"crowbar", "bar", false},        // after a letter
        {"crowbar bar", "bar", true},     // a later occurrence after a blank
        {"crowbarbar", "bar", false},     // every occurrence after a letter
        {"st.bar", "bar", true},          // "." (46) is no letter
        {"12bar", "bar", true},           // nor a digit
        {"[bar", "bar", true},            // at character 2 even after "["
        {"x[bar", "bar", false},          // "[" (91) is above 64
        {"x\xE9\x62\x61r", "bar", false}, // a byte above 127 counts as a letter
        {"the pub", "bar", true},         // no occurrence: the abbreviated name decides
        {"anything", "", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nodeNameMayMatch(c.name, c.text), c.match) << c.name << " / " << c.text;
}

TEST(StreetNameMatchesTest, TheTextStartsAWord) {
    struct Case {
        const char* name;
        const char* text;
        bool match;
    };
    const Case cases[] = {
        {"high rd", "high rd", true},    {"barnet rd", "bar", true},
        {"old bar st", "bar", true},     {"crowbar rd", "bar", false},
        {"crowbar bar rd", "bar", true}, // a later occurrence after a blank
        {"st.bar rd", "bar", false},     // only a blank opens a word here
        {"x", "high rd", false},         {"", "", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(streetNameMatches(c.name, c.text), c.match) << c.name << " / " << c.text;
}

} // namespace
} // namespace poi
