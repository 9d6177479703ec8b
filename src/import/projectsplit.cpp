#include "import/projectsplit.h"

namespace osmimport {

std::vector<basic::Long> chunkStarts(basic::Long count, const std::function<std::size_t(basic::Long)>& recordBytes,
                                     std::size_t chunkBytes) {
    std::vector<basic::Long> starts{1};
    std::size_t filled = 0;
    for (basic::Long i = 1; i <= count; ++i) {
        filled += recordBytes(i);
        if (filled >= chunkBytes && i < count) {
            starts.push_back(i + 1);
            filled = 0;
        }
    }
    starts.push_back(std::max<basic::Long>(count, 0) + 1);
    return starts;
}

} // namespace osmimport
