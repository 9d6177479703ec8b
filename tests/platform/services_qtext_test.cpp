#include "platform/qtext.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(ServicesQtext, Utf8IsShownAsUtf8OtherBytesAsWindows1252) {
    struct Row {
        std::string bytes;
        const char* shown; // UTF-8 of the expected text
    };
    const Row rows[] = {
        {"", ""},
        {"Leeds", "Leeds"},
        {"Caf\xC3\xA9", "Caf\u00E9"},
        {"\xE2\x82\xAC 5", "\u20AC 5"},
        {"Gro\xC3\x9F \xF0\x9F\x9A\xB2", "Gro\u00DF \U0001F6B2"},
        // Not UTF-8: one Windows-1252 character per byte.
        {"\x80", "\u20AC"},
        {"\x9F", "\u0178"},
        {"Caf\xE9", "Caf\u00E9"},
        {"\xA0\xFF", "\u00A0\u00FF"},
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"}, // undefined bytes keep their code
        {"\xC3", "\u00C3"},                                         // cut-off sequence
        {"\xC3\xA9\xC3", "\u00C3\u00A9\u00C3"},                     // one bad sequence spoils all
        {"\xA9", "\u00A9"},                                         // continuation byte alone
        {"\xC0\xAF", "\u00C0\u00AF"},                               // overlong form of "/"
        {"\xE0\x80\xAF", "\u00E0\u20AC\u00AF"},                     // overlong three-byte form
        {"\xED\xA0\x80", "\u00ED\u00A0\u20AC"},                     // a surrogate
        {"\xF4\x90\x80\x80", "\u00F4\u0090\u20AC\u20AC"},           // beyond U+10FFFF
        {"\xF5\x80\x80\x80", "\u00F5\u20AC\u20AC\u20AC"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(toQString(row.bytes), QString::fromUtf8(row.shown)) << row.bytes;
    }
}

TEST(ServicesQtext, Windows1252RoundTripOfAllBytes) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0xE9], QChar(0x00E9));
    EXPECT_EQ(toCp1252(text), all);
}

TEST(ServicesQtext, CharactersOutsideWindows1252BecomeOneQuestionMark) {
    EXPECT_EQ(toCp1252(QString::fromUtf8("\u0141\u00F3d\u017A")), std::string("?\xF3") + "d?");
    EXPECT_EQ(toCp1252(QString::fromUtf8("\u20AC\u2122")), "\x80\x99");
    EXPECT_EQ(toCp1252(QString::fromUtf8("bike \U0001F6B2!")), "bike ?!"); // one character, one "?"
    EXPECT_EQ(toCp1252(QString(QChar(0xD83D))), "?");                      // a lone surrogate
    EXPECT_EQ(toCp1252(QString(QChar(0x0080))), "?");                      // a C1 control with no byte
}

TEST(ServicesQtext, TypedTextIsUtf8AndComesBackUnchanged) {
    const QString typed = QString::fromUtf8("K\u00F6ln \u20AC \U0001F6B2");
    const std::string bytes = fromQString(typed);
    EXPECT_EQ(bytes, "K\xC3\xB6ln \xE2\x82\xAC \xF0\x9F\x9A\xB2");
    EXPECT_EQ(toQString(bytes), typed);
}

TEST(ServicesQtext, EntitiesAndCharacterReferencesShowAsTheirCharactersOnce) {
    struct Case {
        const char* bytes;
        const char* shown; // UTF-8
    };
    const Case cases[] = {
        {"&quot;Rose &amp; Crown&quot;", "\"Rose & Crown\""},
        {"&lt;b&gt; it&apos;s", "<b> it's"},
        {"&#34;&#x22;&#X22;&#233;", "\"\"\"\xC3\xA9"},
        {"&#x1F6B2;", "\xF0\x9F\x9A\xB2"},
        {"&amp;quot;", "&quot;"},                                                     // one pass
        {"fish & chips; &nbsp; &#0; &#xD800;", "fish & chips; &nbsp; &#0; &#xD800;"}, // names nothing
        {"&#-5; &#; &amp", "&#-5; &#; &amp"},
        {"caf\xE9 &amp; bar", "caf\xC3\xA9 & bar"}, // Windows-1252 bytes
    };
    for (const Case& c : cases)
        EXPECT_EQ(toQString(c.bytes), QString::fromUtf8(c.shown)) << c.bytes;
    // Names the system hands on stay as they are.
    EXPECT_EQ(bytesToQString("/maps/a&amp;b.osm"), QString("/maps/a&amp;b.osm"));
}

} // namespace
} // namespace platform
