#include "basic/findall.h"

#include "basic/orderedchunks.h"

#include <algorithm>

namespace basic {

namespace {

constexpr unsigned kMostParts = 8;
// A part of the text smaller than this is searched faster than a thread starts.
constexpr std::size_t kPartBytes = std::size_t{1} << 20;

// The text from first on as far as a place of needle that begins before last can reach.
std::string_view partFrom(std::string_view text, std::string_view needle, std::size_t first,
                          std::size_t last) {
    return text.substr(first, std::min(last + needle.size() - 1, text.size()) - first);
}

// Calls found(at) for every place of needle that begins in text[first, last), in order.
template <typename Found>
void searchPart(std::string_view text, std::string_view needle, std::size_t first, std::size_t last,
                Found found) {
    const std::string_view part = partFrom(text, needle, first, last);
    for (std::size_t at = part.find(needle); at != std::string_view::npos && at < last - first;
         at = part.find(needle, at + needle.size()))
        found(first + at);
}

} // namespace

unsigned partsFor(std::size_t count, std::size_t minimum) {
    return planFor(count, 1, minimum, kMostParts - 1).helpers + 1; // the calling thread and its helpers
}

void inParts(std::size_t count, unsigned parts,
             const std::function<void(unsigned part, std::size_t first, std::size_t last)>& work) {
    parts = std::max(parts, 1u);
    inOrder(
        parts, parts, parts,
        [&](std::size_t k) { work(static_cast<unsigned>(k), count * k / parts, count * (k + 1) / parts); },
        [](std::size_t) {});
}

std::vector<std::size_t> findAll(std::string_view text, std::string_view needle) {
    if (needle.empty()) return {};
    const unsigned parts = partsFor(text.size(), 2 * kPartBytes);
    std::vector<std::vector<std::size_t>> found(parts);
    inParts(text.size(), parts, [&](unsigned k, std::size_t first, std::size_t last) {
        std::vector<std::size_t> places; // its own, not beside the other parts' in one cache line
        searchPart(text, needle, first, last, [&](std::size_t at) { places.push_back(at); });
        found[k] = std::move(places);
    });
    if (parts == 1) return std::move(found.front());
    std::vector<std::size_t> all;
    for (const std::vector<std::size_t>& places : found)
        all.insert(all.end(), places.begin(), places.end());
    return all;
}

std::size_t findFirst(std::string_view text, std::string_view needle) {
    if (needle.empty()) return std::string_view::npos;
    const unsigned parts = partsFor(text.size(), 2 * kPartBytes);
    std::vector<std::size_t> first(parts, std::string_view::npos);
    inParts(text.size(), parts, [&](unsigned k, std::size_t from, std::size_t to) {
        const std::size_t at = partFrom(text, needle, from, to).find(needle);
        if (at < to - from) first[k] = from + at;
    });
    for (const std::size_t at : first)
        if (at != std::string_view::npos) return at;
    return std::string_view::npos;
}

std::size_t countAll(std::string_view text, std::string_view needle) {
    if (needle.empty()) return 0;
    const unsigned parts = partsFor(text.size(), 2 * kPartBytes);
    std::vector<std::size_t> counts(parts);
    inParts(text.size(), parts, [&](unsigned k, std::size_t first, std::size_t last) {
        std::size_t count = 0;
        searchPart(text, needle, first, last, [&](std::size_t) { ++count; });
        counts[k] = count;
    });
    std::size_t all = 0;
    for (const std::size_t count : counts)
        all += count;
    return all;
}

} // namespace basic
