#include "import/tagtext.h"

#include "import/names.h"

#include <cstddef>
#include <unordered_set>

namespace osmimport {

namespace {

constexpr auto npos = std::string_view::npos;

// The first key & "=" in text, without building the needle.
std::size_t findKey(std::string_view text, std::string_view key) {
    for (std::size_t at = text.find(key); at != npos; at = text.find(key, at + 1))
        if (at + key.size() < text.size() && text[at + key.size()] == '=') return at;
    return npos;
}

// The value that opens one character after from and closes at the next quote, or nothing.
std::string_view quotedFrom(std::string_view text, std::size_t from, char quote) {
    if (from >= text.size()) return {};
    const std::size_t close = text.find(quote, from);
    if (close == npos) return {};
    return text.substr(from, close - from);
}

} // namespace

std::string_view getval(std::string_view text, std::string_view key, char quote) {
    const std::size_t at = findKey(text, key);
    if (at == npos) return {};
    return quotedFrom(text, at + key.size() + 2, quote);
}

std::string_view tagv(std::string_view text, basic::Position& start, char quote) {
    if (start == 0) start = 1;
    if (start < 0 || static_cast<std::size_t>(start) > text.size()) return {};
    const std::size_t at = text.find("v=", static_cast<std::size_t>(start - 1));
    if (at == npos) return {};
    return quotedFrom(text, at + 3, quote);
}

std::string_view textAfterFirstTag(std::string_view text) {
    const std::size_t at = text.find("<tag");
    return at == npos ? text : text.substr(at + 4);
}

std::string condenseTags(std::string_view text) {
    std::size_t at = text.find("k=");
    if (at == npos) return std::string(text);
    std::string out;
    while (at != npos) {
        const std::size_t from = at + 2;
        const std::size_t next = text.find("k=", from);
        const std::string_view part = text.substr(from, next == npos ? npos : next - from);
        if (const std::size_t slash = part.find('/'); slash != npos) {
            out.append(part.substr(0, slash));
            out.push_back(' ');
        }
        at = next;
    }
    return basic::replaceAll(std::move(out), "v=", " ");
}

std::string fnnam(std::string_view text, bool abbreviate, char quote) {
    const std::string opening{quote, 'n', 'a', 'm', 'e'};
    const std::size_t key = text.find(opening);
    if (key == npos) return {};
    const std::size_t keyEnd = text.find(quote, key + 1);
    if (keyEnd == npos) return {};
    const std::size_t v = text.find("v=", keyEnd + 1);
    if (v == npos) return {};
    std::string value(quotedFrom(text, v + 3, quote));
    return abbreviate ? fnnam2(std::move(value)) : value;
}

std::string_view refTagValue(std::string_view text, char quote) {
    if (text.find("ref") == npos) return "J~";
    const std::string delimiter{'r', 'e', 'f', quote, ' '};
    const std::size_t first = text.find(delimiter);
    if (first == npos) return "J?";
    const std::size_t from = first + delimiter.size();
    const std::size_t second = text.find(delimiter, from);
    std::string_view s = basic::trimView(text.substr(from, second == npos ? npos : second - from));
    s = s.size() > 3 ? s.substr(3) : std::string_view{};
    const std::size_t close = s.find(quote);
    return close == npos ? std::string_view{} : s.substr(0, close);
}

std::string mergeHashLists(int mode, std::string_view source, std::string_view target) {
    // "#" & x & "#" occurs in target exactly when x is one of its pieces that has a "#" on
    // both sides.
    std::unordered_set<std::string_view> held;
    const std::vector<std::string_view> targetPieces = basic::splitView(target, "#");
    for (std::size_t k = 1; k + 1 < targetPieces.size(); ++k)
        held.insert(targetPieces[k]);

    std::string acc;
    const std::vector<std::string_view> items = basic::splitView(source, "#");
    for (std::size_t k = 0; k + 1 < items.size(); ++k) {
        if (held.count(items[k])) continue;
        acc.append(items[k]);
        acc.push_back('#');
    }
    std::string out;
    out.reserve(acc.size() + target.size());
    if (mode == 0) {
        out.append(target);
        out.append(acc);
    } else {
        out.append(acc);
        out.append(target);
    }
    return out;
}

} // namespace osmimport
