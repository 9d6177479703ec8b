#include "import/nodepieces.h"

#include "basic/text.h"

#include <algorithm>

namespace osmimport {

namespace {

constexpr std::string_view kNode = "<node";

// Where the last node's piece ends: at the first of the texts that open what follows the nodes.
std::size_t endOfLastNode(std::string_view text, std::size_t from) {
    std::size_t end = text.size();
    for (std::string_view closer : {"<way ", "<relation", "</osm"})
        end = std::min(end, text.find(closer, from));
    return end;
}

} // namespace

Long countNodes(std::string_view text) {
    return static_cast<Long>(basic::count(text, kNode));
}

char detectQuote(std::string_view text) {
    if (const std::size_t node = text.find(kNode); node != std::string_view::npos) {
        const std::size_t lat = text.find("lat=", node);
        if (lat != std::string_view::npos && lat + 4 < text.size()) {
            const char c = text[lat + 4];
            if (c == '"' || c == '\'') return c;
        }
    }
    const bool josm = text.find("generator='JOSM") != std::string_view::npos ||
                      text.find("generator=\"JOSM") != std::string_view::npos;
    return josm ? '\'' : '"';
}

NodePieces::NodePieces(std::string_view text) : text_(text) {
    for (std::size_t at = text.find(kNode); at != std::string_view::npos;
         at = text.find(kNode, at + kNode.size()))
        starts_.push_back(at + kNode.size());
    if (!starts_.empty()) lastEnd_ = endOfLastNode(text, starts_.back());
}

std::size_t NodePieces::headerEnd() const noexcept {
    return starts_.empty() ? text_.size() : starts_.front() - kNode.size();
}

std::string_view NodePieces::piece(Long i) const {
    const auto k = static_cast<std::size_t>(i - 1);
    const std::size_t begin = starts_.at(k);
    const std::size_t end = k + 1 < starts_.size() ? starts_[k + 1] - kNode.size() : lastEnd_;
    return text_.substr(begin, end - begin);
}

} // namespace osmimport
