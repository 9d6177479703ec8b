#pragma once
// The OSM text cut at every "<node" (case-sensitive), as views into the text: piece 0 is the
// file header, piece i (1..count) the text of node i from just after its "<node" up to the
// next "<node", "<way ", "<relation" or "</osm", so that it holds its node alone wherever the
// ways stand.

#include "basic/numbers.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace osmimport {

using basic::Long;

// The number of "<node" in text.
Long countNodes(std::string_view text);

// The character that closes attribute values: the one after the first node's "lat=" when that
// is a quote or an apostrophe; otherwise, for a file without nodes, "'" when "generator=" is
// followed by "'JOSM" or by a double quote and "JOSM", and the double quote in every other case.
char detectQuote(std::string_view text);

class NodePieces {
public:
    // The text must outlive the pieces.
    explicit NodePieces(std::string_view text);

    Long count() const noexcept { return static_cast<Long>(starts_.size()); }
    std::string_view header() const noexcept { return text_.substr(0, headerEnd()); }
    // Piece i, 1 <= i <= count().
    std::string_view piece(Long i) const;

private:
    std::size_t headerEnd() const noexcept;

    std::string_view text_;
    std::vector<std::size_t> starts_; // where each piece begins, just after its "<node"
    std::vector<std::size_t> ends_;
};

} // namespace osmimport
