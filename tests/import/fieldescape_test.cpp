#include "basic/text.h"
#include "basic/utf8.h"
#include "import/fieldescape.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace osmimport {
namespace {

struct FieldCase {
    const char* what;
    std::string in;
    std::string out;
};

TEST(FieldEscapeTest, EscapesLineBreaksQuotesAndCommas) {
    const FieldCase cases[] = {
        {"empty", "", ""},
        {"CR LF", "a\r\nb", "a+-b"},
        {"line feed", "a\nb",
         "a\xA3"
         "b"},
        {"lone CR", "a\rb",
         "a\xA3"
         "b"},
        {"CR before CR LF", "\r\r\n", "\xA3+-"},
        {"LF CR", "\n\r", "\xA3\xA3"},
        {"double quotes", "say \"hi\"", "say \xFAhi\xFA"},
        {"comma", "Paris, France", "Paris  France"},
        {"UTF-8 untouched", "S\xC3\xA3o Jo\xC3\xA3o", "S\xC3\xA3o Jo\xC3\xA3o"},
        {"all at once", "k=\"a,b\"\r\nv\n",
         "k=\xFA"
         "a b\xFA+-v\xA3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(escapeField(c.in), c.out) << c.what;
}

TEST(FieldEscapeTest, UnescapesAndKeepsUtf8ContinuationBytes) {
    const FieldCase cases[] = {
        {"empty", "", ""},
        {"CR LF", "a+-b", "a\r\nb"},
        {"line feed",
         "a\xA3"
         "b",
         "a\nb"},
        {"quote", "\xFA", "\""},
        {"marks together", "\xFA+-\xA3", "\"\r\n\n"},
        {"plus before the mark", "++-", "+\r\n"},
        {"minus after the mark", "+--", "\r\n-"},
        {"lone plus and minus", "+ -", "+ -"},
        {"a-tilde", "S\xC3\xA3o Jo\xC3\xA3o", "S\xC3\xA3o Jo\xC3\xA3o"},
        {"Cyrillic U", "\xD0\xA3", "\xD0\xA3"},
        {"Greek Sigma", "\xCE\xA3", "\xCE\xA3"},
        {"CJK with A3 last", "\xE4\xB8\xA3", "\xE4\xB8\xA3"},
        {"four bytes with A3 last", "\xF0\x9F\x98\xA3", "\xF0\x9F\x98\xA3"},
        {"line feed after a whole character", "\xC3\xA3\xA3", "\xC3\xA3\n"},
        {"line feed after a three-byte character", "\xE4\xB8\xA3\xA3", "\xE4\xB8\xA3\n"},
        {"truncated sequence at the end", "\xE4\xB8", "\xE4\xB8"},
        {"truncated sequence before the mark", "\xE0\xA3", "\xE0\n"},
        {"overlong lead", "\xC0\xA3", "\xC0\n"},
        {"surrogate range", "\xED\xA3\x80", "\xED\n\x80"},
        {"beyond U+10FFFF", "\xF4\xA3\x80\x80", "\xF4\n\x80\x80"},
        {"Windows-1252 pound sign alone", "5 \xA3", "5 \n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(unescapeField(c.in), c.out) << c.what;
}

TEST(FieldEscapeTest, ValidUtf8ReadsBackAsWritten) {
    const std::string texts[] = {
        "S\xC3\xA3o Jo\xC3\xA3o\r\nRua \"Nova\"",
        "\xD0\xA3\xD0\xBB\xD0\xB8\xD1\x86\xD0\xB0\n\xCE\xA3",
        "\xE4\xB8\xA3\r\n\xE4\xB8\xA3\n\n",
        "\xF0\x9F\x98\xA3\n",
        "FIXME: check\r\n+#^\r\n",
    };
    for (const auto& t : texts) {
        const std::string stored = escapeField(t);
        EXPECT_EQ(stored.find_first_of("\r\n\","), std::string::npos) << t;
        EXPECT_EQ(unescapeField(stored), t) << t;
    }
}

TEST(FieldEscapeTest, KnownLossesOnTheWayBack) {
    EXPECT_EQ(unescapeField(escapeField("a,b")), "a b");
    EXPECT_EQ(unescapeField(escapeField("1+-2")), "1\r\n2");
    EXPECT_EQ(unescapeField(escapeField("a\rb")), "a\nb");
}

TEST(FieldEscapeTest, NoByteLeavesALineBreakQuoteOrCommaInTheStoredText) {
    std::string every;
    for (int b = 0; b < 256; ++b)
        every += static_cast<char>(b);
    const std::string stored = escapeField(every + every);
    EXPECT_EQ(stored.find_first_of(std::string("\r\n\",", 4)), std::string::npos);
    EXPECT_EQ(stored.size(), 2u * 256u); // no CR is followed by a LF here
}

// The rules byte by byte, as the header states them.
std::string escapedByteByByte(std::string_view t) {
    std::string out;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') {
            out += "+-";
            ++i;
        } else {
            out += t[i] == '\r' || t[i] == '\n' ? '\xA3' : t[i] == '"' ? '\xFA' : t[i] == ',' ? ' ' : t[i];
        }
    }
    return out;
}

std::string unescapedByteByByte(std::string_view t) {
    std::string out;
    for (std::size_t i = 0; i < t.size();) {
        if (t[i] == '+' && i + 1 < t.size() && t[i + 1] == '-') {
            out += "\r\n";
            i += 2;
        } else if (const std::size_t n = basic::utf8SequenceAt(t, i); n > 0) {
            out += t.substr(i, n);
            i += n;
        } else {
            out += t[i] == '\xFA' ? '"' : t[i] == '\xA3' ? '\n' : t[i];
            ++i;
        }
    }
    return out;
}

// Texts of the marks, the bytes they stand for, UTF-8 lead bytes and their continuations.
TEST(FieldEscapeTest, RunsCopiedWholeGiveTheBytesOfTheRulesOneByOne) {
    std::mt19937 random(26);
    const std::string bytes = "+-\r\n\",a \xA3\xFA\xC3\xD0\xE2\x82\xAC\xF0\x9F\x80\xFF";
    for (int round = 0; round < 5000; ++round) {
        std::string t(random() % 30, ' ');
        for (char& c : t)
            c = bytes[random() % bytes.size()];
        EXPECT_EQ(escapeField(t), escapedByteByByte(t));
        EXPECT_EQ(unescapeField(t), unescapedByteByByte(t));
    }
}

TEST(FieldEscapeTest, LargeTextsPassInOneGo) {
    std::string big;
    const std::string piece = "S\xC3\xA3o \"x\"\r\nline\n";
    big.reserve(piece.size() * 1'000'000);
    for (int i = 0; i < 1'000'000; ++i)
        big += piece;
    const std::string stored = escapeField(big);
    EXPECT_EQ(stored.size(), big.size()); // every mark is as long as what it stands for
    EXPECT_EQ(unescapeField(stored), big);
}

// The pieces of a long text, put together, are the whole text coded, also where the writer
// removes texts made of the kept bytes from each piece; and they cover the text in order.
TEST(FieldEscapeTest, PiecesPutTogetherAreTheWholeText) {
    std::mt19937 random(27);
    const std::string bytes = "+-\r\n\",a kv=<tag/>\xA3\xFA\xC3\xD0\xE2\x82\xAC\xF0\x9F\x80";
    const auto removed = [](std::string t) {
        for (std::string_view needle : {"k=", "v=", "<tag", "/>"})
            t = basic::replaceAll(std::move(t), needle, "");
        return t;
    };
    for (int round = 0; round < 3000; ++round) {
        std::string t(random() % 40, ' ');
        for (char& c : t)
            c = bytes[random() % bytes.size()];
        const std::size_t pieceBytes = random() % 6;
        for (const FieldCoding coding : {FieldCoding::escape, FieldCoding::unescape}) {
            std::string joined;
            std::string cleaned;
            const char* readTo = t.data();
            codeFieldInPieces(t, coding, pieceBytes, "kv=<tag/>",
                              [&](std::string_view piece, const char* to) {
                                  EXPECT_EQ(static_cast<std::size_t>(to - readTo), piece.size());
                                  readTo = to;
                                  joined.append(piece);
                                  cleaned += removed(std::string(piece));
                              });
            EXPECT_EQ(readTo, t.data() + t.size());
            std::string whole;
            appendCodedField(whole, t, coding);
            EXPECT_EQ(joined, whole) << t;
            EXPECT_EQ(cleaned, removed(whole)) << t;
        }
    }
}

} // namespace
} // namespace osmimport
