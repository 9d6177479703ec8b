#include "import/elementends.h"

namespace osmimport {

std::size_t ElementEnds::after(std::size_t from) const {
    for (std::size_t at = text_.find('<', from); at != std::string_view::npos; at = text_.find('<', at + 1)) {
        const std::string_view rest = text_.substr(at);
        for (const std::string_view end : kEnds)
            if (rest.starts_with(end)) return at;
    }
    return text_.size();
}

} // namespace osmimport
