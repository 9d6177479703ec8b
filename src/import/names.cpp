#include "import/names.h"

#include "basic/case.h"
#include "basic/text.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

namespace osmimport {

namespace {

// A rewrite of a text in its own storage, for rules whose replacements are never longer than
// what they replace: the output so far lies before the position reading has reached.
class InPlace {
public:
    // The text before `from` stays as it is.
    InPlace(std::string& text, std::size_t from) : text_(text), written_(from), read_(from) {}
    // The text from the last read position up to `to` is kept.
    void keep(std::size_t to) {
        std::memmove(text_.data() + written_, text_.data() + read_, to - read_);
        written_ += to - read_;
        read_ = to;
    }
    // The text up to `to` is replaced by `with`, which is no longer than it.
    void put(std::string_view with, std::size_t to) {
        std::memcpy(text_.data() + written_, with.data(), with.size());
        written_ += with.size();
        read_ = to;
    }
    std::string finish() {
        text_.resize(written_);
        return std::move(text_);
    }

private:
    std::string& text_;
    std::size_t written_;
    std::size_t read_;
};

struct Rule {
    std::string_view word;
    std::string_view abbreviation;
};

constexpr std::array<Rule, 14> kStreetWords = {{
    {"Road", "Rd"},
    {"Avenue", "Av"},
    {"Street", "St"},
    {"Garden", "Gdn"},
    {"Close", "Cls"},
    {"Lane", "Ln"},
    {"Drive", "Dr"},
    {"Crescent", "Cres"},
    {"Grove", "Grv"},
    {"Rue", "R"},
    {"Straat", "Str"},
    {"Court", "Crt"},
    {"Terrace", "Trc"},
    {"Field", "Fld"},
}};

// The street-word rules applied in one pass. Running them one after the other gives the same
// text. Every word is a capital followed by small letters, so two matches never overlap and at
// most one word matches at a position; a replacement is a capital followed by small letters
// too, so the only word one can make with the text after it is a word that starts with the
// replacement itself. Among all pairs of a rule and a later rule, that happens once: "St" from
// "Street" followed by "raat" is "Straat", which the later rule turns into "Str"; the rules in
// between cannot touch it, having no capital S.
class StreetWords {
public:
    constexpr StreetWords() {
        for (const Rule& r : kStreetWords)
            starts_[static_cast<unsigned char>(r.word.front())] = true;
    }

    // The rule whose word stands at text[i], or nullptr.
    const Rule* at(std::string_view text, std::size_t i) const {
        if (!starts_[static_cast<unsigned char>(text[i])]) return nullptr;
        const std::string_view rest = text.substr(i);
        for (const Rule& r : kStreetWords)
            if (rest.starts_with(r.word)) return &r;
        return nullptr;
    }

    // In the text's own storage: every abbreviation is shorter than its word, so what is
    // written never overtakes what is still to be read.
    std::string apply(std::string&& text) const {
        const std::string_view in = text;
        std::size_t i = next(in, 0);
        if (i == in.size()) return std::move(text);

        InPlace out(text, i);
        while (i < in.size()) {
            const Rule* r = at(in, i);
            out.keep(i);
            i += r->word.size();
            if (r->word == kMadeFrom.word && in.substr(i).starts_with(kMadeTail)) {
                r = &kMade;
                i += kMadeTail.size();
            }
            out.put(r->abbreviation, i);
            i = next(in, i);
        }
        out.keep(in.size());
        return out.finish();
    }

private:
    // Whether one of the 8 bytes of w is a capital A..Z: per byte, bit 7 of the first term is
    // set below 'Z' + 1, of the last above 'A' - 1, and of ~w below 0x80; no byte carries into
    // the next.
    static constexpr bool hasCapital(std::uint64_t w) {
        constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;
        constexpr std::uint64_t kOnes = 0x0101010101010101;
        constexpr std::uint64_t kHigh = 0x8080808080808080;
        const std::uint64_t low = w & kLow7;
        return ((kOnes * (127 + 'Z' + 1) - low) & ~w & (low + kOnes * (127 - ('A' - 1))) & kHigh) != 0;
    }

    // The first position from i on where a word stands, or the text's size. Stretches of eight
    // bytes without a capital, most of an OSM text, are passed over at once.
    std::size_t next(std::string_view in, std::size_t i) const {
        while (i < in.size()) {
            for (std::uint64_t w = 0; i + 8 <= in.size(); i += 8) {
                std::memcpy(&w, in.data() + i, 8);
                if (hasCapital(w)) break;
            }
            for (const std::size_t stop = std::min(in.size(), i + 8); i < stop; ++i)
                if (at(in, i)) return i;
        }
        return in.size();
    }

    static constexpr const Rule& kMadeFrom = kStreetWords[2]; // Street
    static constexpr std::string_view kMadeTail = "raat";     // St & raat = Straat
    static constexpr const Rule& kMade = kStreetWords[10];    // Straat

    std::array<bool, 256> starts_{};
};

// A row of the folding table: the two bytes of a letter and the plain letters it becomes.
struct Fold {
    unsigned char lead;
    unsigned char second;
    std::string_view plain;
};

constexpr unsigned char kSharpSLead = 0xC3;
constexpr unsigned char kSharpSSecond = 0x9F;

// The rows before the sharp s (rows 1 to 9) and after it (rows 11 to 33). Lower-casing turns the
// lead byte C3 into E3, which is why some letters have a row for each form.
constexpr std::array<Fold, 9> kFoldsBeforeSharpS = {{
    {0xC3, 0xA9, "e"},
    {0xC3, 0xA8, "e"},
    {0xC3, 0xAB, "e"},
    {0xC3, 0xA7, "c"},
    {0xC3, 0xB4, "o"},
    {0xC3, 0x89, "E"},
    {0xC3, 0xAA, "e"},
    {0xC3, 0xA2, "a"},
    {0xC3, 0xBC, "u"},
}};
constexpr std::array<Fold, 23> kFoldsAfterSharpS = {{
    {0xC3, 0xB6, "o"}, {0xC3, 0xA4, "a"},  {0xC3, 0xAF, "i"}, {0xC3, 0x96, "O"}, {0xE3, 0x96, "O"},
    {0xE3, 0xB6, "o"}, {0xE3, 0xA4, "a"},  {0xC3, 0xAD, "i"}, {0xC3, 0xB2, "o"}, {0xC3, 0xA1, "a"},
    {0xC3, 0xB3, "o"}, {0xC3, 0xA0, "a"},  {0xC3, 0xBA, "u"}, {0xC3, 0x80, "A"}, {0xC3, 0xAC, "i"},
    {0xC3, 0xB1, "n"}, {0xC3, 0x93, "O"},  {0xE3, 0xB2, "o"}, {0xE3, 0xB3, "o"}, {0xE3, 0xAD, "i"},
    {0xC3, 0xB8, "o"}, {0xC3, 0xA6, "ae"}, {0xC3, 0x98, "O"},
}};

// The replacements of a group of rows, by lead byte (C3 or E3) and second byte.
class FoldTable {
public:
    template <std::size_t N> explicit constexpr FoldTable(const std::array<Fold, N>& rows) {
        for (const Fold& f : rows)
            (f.lead == 0xC3 ? c3_ : e3_)[f.second] = f.plain;
    }
    std::string_view at(unsigned char lead, unsigned char second) const {
        if (lead == 0xC3) return c3_[second];
        if (lead == 0xE3) return e3_[second];
        return {};
    }

private:
    std::array<std::string_view, 256> c3_{};
    std::array<std::string_view, 256> e3_{};
};

// The rows of one group applied in one pass. Running the rows one after the other gives the same
// text: every second byte in the table is below C3, so two matches never overlap, and every
// replacement is plain ASCII, so a replacement never makes a new match.
std::string foldLetters(std::string&& text, const FoldTable& table) {
    const std::string_view in = text;
    auto plainAt = [&](std::size_t i) {
        return i + 1 < in.size()
                   ? table.at(static_cast<unsigned char>(in[i]), static_cast<unsigned char>(in[i + 1]))
                   : std::string_view{};
    };
    std::size_t i = 0;
    while (i < in.size() && plainAt(i).empty())
        ++i;
    if (i == in.size()) return std::move(text);

    InPlace out(text, i); // every replacement is no longer than its two bytes
    while (i < in.size()) {
        const std::string_view plain = plainAt(i);
        if (plain.empty()) {
            ++i;
            continue;
        }
        out.keep(i);
        out.put(plain, i + 2);
        i += 2;
    }
    out.keep(in.size());
    return out.finish();
}

void lowerInPlace(std::string& text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(basic::lowerByte(static_cast<unsigned char>(c))); });
}

} // namespace

std::string fnnam2(std::string text) {
    static constexpr StreetWords kRules;
    return kRules.apply(std::move(text));
}

std::string normaliseNames(std::string osmText, char quote) {
    const std::string createdBy = std::string("<tag k=") + quote + "created_";
    std::string text = basic::replaceAll(std::move(osmText), createdBy, "");
    text = fnnam2(std::move(text));
    if (text.find(static_cast<char>(0xC3)) == std::string::npos) return text;

    static constexpr FoldTable kBefore(kFoldsBeforeSharpS);
    static constexpr FoldTable kAfter(kFoldsAfterSharpS);
    text = foldLetters(std::move(text), kBefore);
    const std::string sharpS{static_cast<char>(kSharpSLead), static_cast<char>(kSharpSSecond)};
    if (text.find(sharpS) != std::string::npos) {
        text = basic::replaceAll(std::move(text), sharpS, "ss");
        lowerInPlace(text);
        text = basic::replaceAll(std::move(text), "strasse", "str.");
    }
    return foldLetters(std::move(text), kAfter);
}

} // namespace osmimport
