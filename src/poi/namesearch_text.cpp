#include "poi/namesearch_text.h"

#include "basic/case.h"
#include "import/names.h"

#include <cstddef>

namespace poi {
namespace {

// Characters with codes above this are taken for letters: a match after one is inside a word.
constexpr unsigned char kHighestNonLetter = 64;

} // namespace

std::string searchKey(std::string_view typed) {
    std::string text = osmimport::normaliseNames(std::string(typed), '"');
    text = basic::pcase(basic::lcase(text));
    return basic::lcase(osmimport::fnnam2(std::move(text)));
}

bool nodeNameMayMatch(std::string_view lowerName, std::string_view text) {
    std::size_t at = lowerName.find(text);
    if (at == std::string_view::npos) return true;
    for (; at != std::string_view::npos; at = lowerName.find(text, at + 1)) {
        // Character positions 1 and 2 count whatever stands before them.
        if (at <= 1 || static_cast<unsigned char>(lowerName[at - 1]) <= kHighestNonLetter) return true;
    }
    return false;
}

bool streetNameMatches(std::string_view lowerName, std::string_view text) {
    if (lowerName == text) return true;
    for (std::size_t at = lowerName.find(text); at != std::string_view::npos;
         at = lowerName.find(text, at + 1)) {
        if (at == 0 || lowerName[at - 1] == ' ') return true;
    }
    return false;
}

void lowerInto(std::string& out, std::string_view text) {
    out.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        out[i] = static_cast<char>(basic::lowerByte(static_cast<unsigned char>(text[i])));
}

} // namespace poi
