#include "import/elementends.h"

#include <algorithm>

namespace osmimport {

std::size_t ElementEnds::after(std::size_t from) {
    std::size_t end = text_.size();
    for (std::size_t k = 0; k < kEnds.size(); ++k) {
        if (!searched_[k] || (next_[k] != std::string_view::npos && next_[k] < from)) {
            next_[k] = text_.find(kEnds[k], from);
            searched_[k] = true;
        }
        end = std::min(end, next_[k]);
    }
    return end;
}

} // namespace osmimport
