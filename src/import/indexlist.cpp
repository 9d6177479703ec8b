#include "import/indexlist.h"

#include <charconv>
#include <cstddef>

namespace osmimport {

using basic::Long;

Long indexPiece(std::string_view piece) {
    std::size_t start = 0;
    while (start < piece.size() && piece[start] == ' ')
        ++start;
    const char* first = piece.data() + start;
    const char* last = piece.data() + piece.size();
    if (first == last) return kNotANumber;
    Long value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || value == kNotANumber) return kNotANumber;
    return value;
}

namespace {

// Calls take(piece) for the pieces of `list` split at "#", from piece `first` to the last but
// one. Every piece is looked at once.
template <class Take> void forEachPiece(std::string_view list, int first, Take&& take) {
    int index = 0;
    std::size_t from = 0;
    for (std::size_t hash = list.find('#'); hash != std::string_view::npos; hash = list.find('#', from)) {
        if (index >= first) take(list.substr(from, hash - from));
        ++index;
        from = hash + 1;
    }
}

} // namespace

std::vector<Long> indexPieces(std::string_view list, int first) {
    std::vector<Long> numbers;
    forEachPiece(list, first, [&](std::string_view piece) { numbers.push_back(indexPiece(piece)); });
    return numbers;
}

void indexWayNodes(ProjectData& d) {
    const std::size_t ways = d.wayNodes.size();
    d.wayNodeStart.assign(ways + 1, 0);
    d.wayNodeIndex.clear();
    for (std::size_t i = 0; i < ways; ++i) {
        d.wayNodeStart[i] = static_cast<Long>(d.wayNodeIndex.size());
        forEachPiece(d.wayNodes[i], 0,
                     [&](std::string_view piece) { d.wayNodeIndex.push_back(indexPiece(piece)); });
    }
    d.wayNodeStart[ways] = static_cast<Long>(d.wayNodeIndex.size());
}

} // namespace osmimport
