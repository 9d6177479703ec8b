#include "import/textreducers.h"

#include "basic/text.h"

#include <cstddef>
#include <vector>

namespace osmimport {

namespace {

constexpr auto npos = std::string_view::npos;

} // namespace

std::optional<std::string> alltag(std::string_view text, char quote) {
    const std::vector<std::string_view> pieces = basic::splitView(text, "<tag");
    std::string tags;
    for (std::size_t k = 1; k < pieces.size(); ++k) {
        const std::string_view piece = basic::trimView(pieces[k]);
        const std::size_t blank = piece.find(' ');
        tags.append(piece.substr(0, blank));
        if (blank == npos) continue;
        tags.push_back(':');
        tags.append(piece.substr(blank + 1));
    }
    using namespace std::string_view_literals;
    for (const std::string_view gone : {"/>"sv, "k="sv, "v="sv, std::string_view(&quote, 1)})
        tags = basic::replaceAll(std::move(tags), gone, "");
    const std::string_view trimmed = basic::trimView(tags);
    const std::size_t end = trimmed.find("</w");
    if (end == npos) return std::nullopt;
    return std::string(trimmed.substr(0, end));
}

std::string stripways(std::string_view text, char quote, const std::function<void()>& letEventsThrough) {
    const std::string time{'t', 'i', 'm', 'e', quote};
    std::string out;
    // Appends "<way " and the piece from its time on; false when it holds none.
    const auto fromTime = [&](std::string_view piece) {
        const std::size_t at = piece.find(time);
        if (at == npos) return false;
        out.append("<way ").append(piece.substr(at));
        return true;
    };
    const std::vector<std::string_view> pieces = basic::splitView(text, "<way");
    if (!pieces.empty() && !fromTime(pieces.front())) out.append(pieces.front());
    for (const std::string_view piece : pieces) {
        fromTime(piece);
        letEventsThrough();
    }
    return out;
}

} // namespace osmimport
