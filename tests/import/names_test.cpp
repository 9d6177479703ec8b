#include "basic/case.h"
#include "basic/text.h"
#include "import/names.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace osmimport {
namespace {

struct Case {
    const char* what;
    std::string in;
    std::string out;
};

TEST(Fnnam2Test, ShortensStreetWordsInOrder) {
    const Case cases[] = {
        {"Road", "High Road", "High Rd"},
        {"Rue", "Rue de la Paix", "R de la Paix"},
        {"every word once",
         "Road Avenue Street Garden Close Lane Drive Crescent Grove Rue Straat Court Terrace Field",
         "Rd Av St Gdn Cls Ln Dr Cres Grv R Str Crt Trc Fld"},
        {"inside words", "Roadside Gardens Closed", "Rdside Gdns Clsd"},
        {"lower case untouched", "road close", "road close"},
        {"a rule makes a word for a later one", "Streetraat", "Str"},
        {"every occurrence", "Lane Lane", "Ln Ln"},
        {"empty", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fnnam2(c.in), c.out) << c.what;
}

TEST(Fnnam2Test, OnePassMatchesTheRulesOneByOne) {
    const std::vector<std::pair<std::string, std::string>> rules = {
        {"Road", "Rd"},    {"Avenue", "Av"}, {"Street", "St"},     {"Garden", "Gdn"}, {"Close", "Cls"},
        {"Lane", "Ln"},    {"Drive", "Dr"},  {"Crescent", "Cres"}, {"Grove", "Grv"},  {"Rue", "R"},
        {"Straat", "Str"}, {"Court", "Crt"}, {"Terrace", "Trc"},   {"Field", "Fld"}};
    // Words, their abbreviations and the pieces that follow them, run together.
    const std::vector<std::string> pieces = {"Road", "Rd",   "Street", "St",       "raat",  "reet",  "Straat",
                                             "Str",  "Rue",  "R",      "ue",       "oad",   "Drive", "Dr",
                                             "ive",  "Cres", "cent",   "Crescent", "Grove", "Gr",    "ove",
                                             "S",    "t",    "a",      " ",        "Field", "Fld",   "Lane"};
    std::mt19937 random(11);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        for (int k = n % 12; k >= 0; --k)
            text += pieces[pick(random)];
        std::string expected = text;
        for (const auto& [word, abbreviation] : rules)
            expected = basic::replace(expected, word, abbreviation);
        ASSERT_EQ(fnnam2(text), expected) << text;
    }
}

TEST(NamesPhaseTest, DefusesCreatedByTags) {
    EXPECT_EQ(normaliseNames(R"(<tag k="created_by" v="JOSM"/>)", '"'), R"(by" v="JOSM"/>)");
    EXPECT_EQ(normaliseNames("<tag k='created_by' v='Potlatch'/>", '\''), "by' v='Potlatch'/>");
    // Only the quote character of the file makes the prefix.
    EXPECT_EQ(normaliseNames("<tag k='created_by'/>", '"'), "<tag k='created_by'/>");
}

TEST(NamesPhaseTest, FoldsTwoByteLetters) {
    const Case cases[] = {
        {"e acute", "Caf\xC3\xA9", "Cafe"},
        {"capital E acute before any lower-casing", "\xC3\x89toile", "Etoile"},
        {"O umlaut keeps the case without sharp s", "\xC3\x96sterreich", "Osterreich"},
        {"ae ligature becomes two letters", "\xC3\xA6r\xC3\xB8", "aero"},
        {"n tilde",
         "Espa\xC3\xB1"
         "a",
         "Espana"},
        {"letters outside the table stay", "\xC3\xBF\xC3\xA3", "\xC3\xBF\xC3\xA3"},
        {"a lower-cased pair is folded too when the text holds C3", "\xC3\xA9\xE3\xB6", "eo"},
        {"without C3 a lower-cased pair stays", "\xE3\xB6", "\xE3\xB6"},
        {"a lead byte twice", "\xC3\xC3\xA9",
         "\xC3"
         "e"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(normaliseNames(c.in, '"'), c.out) << c.what;
}

TEST(NamesPhaseTest, SharpSLowerCasesTheWholeText) {
    const Case cases[] = {
        {"Hauptstrasse",
         "<tag k=\"name\" v=\"Hauptstra\xC3\x9F"
         "e\"/>",
         "<tag k=\"name\" v=\"hauptstr.\"/>"},
        {"the whole text",
         "HIGH Road Stra\xC3\x9F"
         "e",
         "high rd str."},
        {"O umlaut after lower-casing", "\xC3\x96l \xC3\x9F", "Ol ss"},
        {"u acute stays as E3 BA", "\xC3\xBA \xC3\x9F", "\xE3\xBA ss"},
        {"rows before the sharp s are lower-cased after folding", "\xC3\x89 \xC3\x9F", "e ss"},
        {"Windows-1252 capitals", "\xC0\x8A\x9F \xC3\x9F", "\xE0\x9A\xFF ss"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(normaliseNames(c.in, '"'), c.out) << c.what;
}

// The folding as the rows read: one replace-all per row, in table order.
std::string foldRowByRow(std::string text) {
    const std::vector<std::pair<std::string, std::string>> before = {
        {"\xC3\xA9", "e"}, {"\xC3\xA8", "e"}, {"\xC3\xAB", "e"}, {"\xC3\xA7", "c"}, {"\xC3\xB4", "o"},
        {"\xC3\x89", "E"}, {"\xC3\xAA", "e"}, {"\xC3\xA2", "a"}, {"\xC3\xBC", "u"}};
    const std::vector<std::pair<std::string, std::string>> after = {
        {"\xC3\xB6", "o"}, {"\xC3\xA4", "a"},  {"\xC3\xAF", "i"}, {"\xC3\x96", "O"}, {"\xE3\x96", "O"},
        {"\xE3\xB6", "o"}, {"\xE3\xA4", "a"},  {"\xC3\xAD", "i"}, {"\xC3\xB2", "o"}, {"\xC3\xA1", "a"},
        {"\xC3\xB3", "o"}, {"\xC3\xA0", "a"},  {"\xC3\xBA", "u"}, {"\xC3\x80", "A"}, {"\xC3\xAC", "i"},
        {"\xC3\xB1", "n"}, {"\xC3\x93", "O"},  {"\xE3\xB2", "o"}, {"\xE3\xB3", "o"}, {"\xE3\xAD", "i"},
        {"\xC3\xB8", "o"}, {"\xC3\xA6", "ae"}, {"\xC3\x98", "O"}};
    if (text.find('\xC3') == std::string::npos) return text;
    for (const auto& [from, to] : before)
        text = basic::replace(text, from, to);
    if (text.find("\xC3\x9F") != std::string::npos) {
        text = basic::lcase(basic::replace(text, "\xC3\x9F", "ss"));
        text = basic::replace(text, "strasse", "str.");
    }
    for (const auto& [from, to] : after)
        text = basic::replace(text, from, to);
    return text;
}

TEST(NamesPhaseTest, FoldingInOnePassMatchesTheRowsOneByOne) {
    // Texts dense in lead and second bytes of the table, so that pairs touch and overlap.
    const std::string alphabet = "\xC3\xE3\xA9\x89\x9F\x96\xB6\xA6\xBA\xA3\x80\xC0sStTrRaAeE ";
    std::mt19937 random(5);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int n = 0; n < 20000; ++n) {
        std::string text(1 + n % 40, ' ');
        for (char& c : text)
            c = alphabet[pick(random)];
        ASSERT_EQ(normaliseNames(text, '"'), foldRowByRow(text)) << n;
    }
}

TEST(NamesPhaseTest, ThePhaseNeverCopiesTheText) {
    // Nothing to do, and every kind of rule at work: the text is rewritten where it is, so a
    // large file is never held twice.
    const std::string busy = "<tag k=\"created_by\" v=\"x\"/> Streetraat Road \xC3\xA9\xC3\x9F"
                             "Strasse\xC3\xB6 ";
    for (const std::string& piece : {std::string("x"), busy}) {
        std::string text;
        while (text.size() < (1 << 20))
            text += piece;
        const std::string expected = piece == busy ? foldRowByRow(fnnam2(basic::replaceAll(std::string(text),
                                                          "<tag k=\"created_", "")))
                                                   : text;
        const char* buffer = text.data();
        const std::string out = normaliseNames(std::move(text), '"');
        EXPECT_EQ(out.data(), buffer);
        EXPECT_EQ(out, expected);
    }
}

} // namespace
} // namespace osmimport
