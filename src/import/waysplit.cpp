#include "import/waysplit.h"

#include "import/elementends.h"

namespace osmimport {

std::vector<std::string_view> splitWays(std::string_view text) {
    constexpr std::string_view kWayStart = "<way ";
    const ElementPieces ways = elementPieces(text, kWayStart);
    std::vector<std::string_view> pieces(1);
    pieces.reserve(ways.begins.size() + 1);
    for (std::size_t k = 0; k < ways.begins.size(); ++k)
        pieces.push_back(text.substr(ways.begins[k], ways.ends[k] - ways.begins[k]));
    if (pieces.size() > 1) {
        std::string_view& last = pieces.back();
        if (const std::size_t close = last.find("</wa"); close != std::string_view::npos)
            last = last.substr(0, close + 1);
    }
    return pieces;
}

} // namespace osmimport
