#include "import/waydescribe.h"

#include "basic/numtext.h"
#include "basic/text.h"

#include <unordered_map>
#include <vector>

namespace osmimport {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// The referenced ids, each up to its first "/", with every quote turned into a blank. A piece
// without "/" adds nothing.
std::string referencedIds(std::string_view text, char quote) {
    std::string refs;
    const std::vector<std::string_view> pieces = basic::splitView(text, "ref=");
    for (std::size_t k = 1; k < pieces.size(); ++k) {
        const std::size_t slash = pieces[k].find('/');
        if (slash != std::string_view::npos) refs.append(pieces[k].substr(0, slash));
    }
    for (char& c : refs)
        if (c == quote) c = ' ';
    return refs;
}

// The first item (counted among all but the first and the last blank-separated items) that
// occurs twice or more among them; empty when none does.
std::string_view firstRepeatedId(std::string_view refs) {
    const std::vector<std::string_view> items = basic::splitView(refs, " ");
    if (items.size() < 3) return {};
    std::unordered_map<std::string_view, int> seen;
    for (std::size_t k = 1; k + 1 < items.size(); ++k)
        if (!items[k].empty()) ++seen[items[k]];
    for (std::size_t k = 1; k + 1 < items.size(); ++k)
        if (!items[k].empty() && seen[items[k]] >= 2) return items[k];
    return {};
}

} // namespace

std::string fntag(std::string_view text, bool allRefsFound, char quote) {
    if (text.find("<nd ") == std::string_view::npos) return std::string(text);
    const std::string refs = referencedIds(text, quote);
    std::string result;
    if (const std::size_t tag = text.find("<tag"); tag != std::string_view::npos && tag + 8 < text.size())
        result.assign(text.substr(tag + 8));
    const basic::Position nodes = basic::count(text, "ref=");
    result += kCrLf;
    basic::appendDec(result, static_cast<basic::Long>(nodes));
    result += " nodes.";
    if (nodes < 3) result += "  Area needs at least 3 nodes.";
    const auto warn = [&](std::string_view warning) {
        result.append(kCrLf).append(refs).append(kCrLf).append(kCrLf).append(warning);
    };
    if (!allRefsFound) {
        warn(kLacksReference);
    } else if (const std::string_view repeated = firstRepeatedId(refs); !repeated.empty()) {
        warn("Caution: 'node loop-back' within the line.(");
        result.append(repeated).append(")");
    }
    return result;
}

} // namespace osmimport
