#include "import/elementends.h"

#include "basic/findall.h"

namespace osmimport {

namespace {

// Fewer pieces are cut faster than a thread starts.
constexpr std::size_t kThreadedPieces = 4096;

} // namespace

ElementPieces elementPieces(std::string_view text, std::string_view start) {
    ElementPieces pieces;
    pieces.begins = basic::findAll(text, start);
    pieces.ends.resize(pieces.begins.size());
    const ElementEnds ends(text);
    const std::size_t count = pieces.begins.size();
    basic::inParts(count, basic::partsFor(count, kThreadedPieces),
                   [&](unsigned, std::size_t first, std::size_t last) {
                       for (std::size_t k = first; k < last; ++k) {
                           pieces.begins[k] += start.size();
                           pieces.ends[k] = ends.after(pieces.begins[k]);
                       }
                   });
    return pieces;
}

std::size_t ElementEnds::after(std::size_t from) const {
    for (std::size_t at = text_.find('<', from); at != std::string_view::npos; at = text_.find('<', at + 1)) {
        const std::string_view rest = text_.substr(at);
        for (const std::string_view end : kEnds)
            if (rest.starts_with(end)) return at;
    }
    return text_.size();
}

} // namespace osmimport
