#pragma once
// Where the piece of a node or way element ends: at the next "<node", "<way ", "<relation" or
// "</osm" (the end of the text when none follows). Nodes and ways may come in any order, so each
// piece is cut at whatever element follows it.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace osmimport {

class ElementEnds {
public:
    // text must outlive this.
    explicit ElementEnds(std::string_view text) : text_(text) {}

    // The end of the piece that starts at `from`: one pass from there over the piece's "<"s, so
    // cutting pieces that do not overlap reads the text once.
    std::size_t after(std::size_t from) const;

private:
    static constexpr std::array<std::string_view, 4> kEnds = {"<node", "<way ", "<relation", "</osm"};
    std::string_view text_;
};

// The pieces of the elements that begin with start ("<node", "<way "), in file order: piece k
// runs from just after its start, begins[k], to where ElementEnds::after cuts it, ends[k]. A
// large text is searched and cut on several cores, with the pieces of one pass.
struct ElementPieces {
    std::vector<std::size_t> begins;
    std::vector<std::size_t> ends;
};
ElementPieces elementPieces(std::string_view text, std::string_view start);

} // namespace osmimport
