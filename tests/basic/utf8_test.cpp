// The one UTF-8 sequence check, at the edges of every lead byte's range.

#include "basic/utf8.h"

#include <gtest/gtest.h>
#include <string>

namespace basic {
namespace {

TEST(Utf8, SequencesAreWellFormedOrNone) {
    struct Case {
        const char* bytes;
        std::size_t length;
    };
    const Case cases[] = {
        {"A", 0},
        {"\xC3\xA9", 2},         // é
        {"\xC2\x80", 2},         // the lowest two-byte form
        {"\xC1\xBF", 0},         // overlong
        {"\xC3", 0},             // cut off
        {"\xC3\x41", 0},         // no continuation
        {"\xE0\xA0\x80", 3},     // the lowest three-byte form
        {"\xE0\x9F\xBF", 0},     // overlong
        {"\xED\x9F\xBF", 3},     // below the surrogates
        {"\xED\xA0\x80", 0},     // a surrogate
        {"\xE2\x82", 0},         // cut off
        {"\xF0\x90\x80\x80", 4}, // the lowest four-byte form
        {"\xF0\x8F\xBF\xBF", 0}, // overlong
        {"\xF4\x8F\xBF\xBF", 4}, // U+10FFFF
        {"\xF4\x90\x80\x80", 0}, // beyond it
        {"\xF5\x80\x80\x80", 0},
        {"\xF0\x90\x80\x41", 0}, // a broken last byte
        {"\x80", 0},             // a lone continuation
        {"\xFF", 0},
    };
    for (const Case& c : cases) {
        const std::string bytes = c.bytes;
        EXPECT_EQ(utf8SequenceAt(bytes, 0), c.length) << bytes;
        EXPECT_EQ(isUtf8(bytes), c.length > 0 || bytes == "A") << bytes;
    }
    EXPECT_EQ(utf8SequenceAt("ab", 2), 0u); // beyond the text
    EXPECT_TRUE(isUtf8(""));
    EXPECT_TRUE(isUtf8("Caf\xC3\xA9 \xE2\x82\xAC 5"));
    EXPECT_FALSE(isUtf8("Caf\xE9")); // Windows-1252
}

} // namespace
} // namespace basic
