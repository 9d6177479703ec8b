#include "import/waysplit.h"

#include "import/elementends.h"

namespace osmimport {

std::vector<std::string_view> splitWays(std::string_view text) {
    constexpr std::string_view kWayStart = "<way ";
    std::vector<std::string_view> pieces(1);
    ElementEnds ends(text);
    for (std::size_t at = text.find(kWayStart); at != std::string_view::npos;) {
        const std::size_t begin = at + kWayStart.size();
        const std::size_t end = ends.after(begin);
        pieces.push_back(text.substr(begin, end - begin));
        at = text.find(kWayStart, begin);
    }
    if (pieces.size() > 1) {
        std::string_view& last = pieces.back();
        if (const std::size_t close = last.find("</wa"); close != std::string_view::npos)
            last = last.substr(0, close + 1);
    }
    return pieces;
}

} // namespace osmimport
