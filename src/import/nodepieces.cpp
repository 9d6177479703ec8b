#include "import/nodepieces.h"

#include "basic/findall.h"
#include "import/elementends.h"

#include <utility>

namespace osmimport {

namespace {

constexpr std::string_view kNode = "<node";

} // namespace

Long countNodes(std::string_view text) {
    return static_cast<Long>(basic::countAll(text, kNode));
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
    ElementPieces pieces = elementPieces(text, kNode);
    starts_ = std::move(pieces.begins);
    ends_ = std::move(pieces.ends);
}

std::size_t NodePieces::headerEnd() const noexcept {
    return starts_.empty() ? text_.size() : starts_.front() - kNode.size();
}

std::string_view NodePieces::piece(Long i) const {
    const auto k = static_cast<std::size_t>(i - 1);
    const std::size_t begin = starts_.at(k);
    return text_.substr(begin, ends_.at(k) - begin);
}

} // namespace osmimport
