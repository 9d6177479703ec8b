#pragma once
// Where the piece of a node or way element ends: at the next "<node", "<way ", "<relation" or
// "</osm" (the end of the text when none follows). Nodes and ways may come in any order, so each
// piece is cut at whatever element follows it.

#include <array>
#include <cstddef>
#include <string_view>

namespace osmimport {

class ElementEnds {
public:
    // text must outlive this.
    explicit ElementEnds(std::string_view text) : text_(text) {}

    // The end of the piece that starts at `from`. Asked with `from` growing, each kind of end is
    // searched for only forward, so cutting every piece reads the text a bounded number of times.
    std::size_t after(std::size_t from);

private:
    static constexpr std::array<std::string_view, 4> kEnds = {"<node", "<way ", "<relation", "</osm"};
    std::string_view text_;
    std::array<std::size_t, 4> next_{};
    std::array<bool, 4> searched_{};
};

} // namespace osmimport
