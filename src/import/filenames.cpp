#include "import/filenames.h"

namespace osmimport {

std::string ftrim(std::string_view path) {
    const std::size_t cut = path.find_last_of("/\\");
    const std::string_view name = cut == std::string_view::npos ? path : path.substr(cut + 1);
    if (name.size() < 4) return std::string(name);
    return std::string(name.substr(0, name.size() - 4));
}

} // namespace osmimport
