#include "import/needleset.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace osmimport {

int NeedleSet::add(std::string_view needle) {
    const auto known = std::find(needles_.begin(), needles_.end(), needle);
    if (known != needles_.end()) return static_cast<int>(known - needles_.begin());
    needles_.emplace_back(needle);
    return size() - 1;
}

void NeedleSet::build() {
    std::fill(std::begin(classes_), std::end(classes_), std::uint8_t{0});
    classCount_ = 1;
    for (const std::string& needle : needles_)
        for (const char c : needle) {
            std::uint8_t& cls = classes_[static_cast<unsigned char>(c)];
            if (cls == 0) cls = static_cast<std::uint8_t>(classCount_++);
        }

    // The trie of the needles; -1 marks a missing edge until the failure links fill it.
    const auto width = static_cast<std::size_t>(classCount_);
    next_.assign(width, -1);
    std::vector<std::vector<int>> ends(1);
    emptyNeedles_.clear();
    for (int k = 0; k < size(); ++k) {
        const std::string& needle = needles_[static_cast<std::size_t>(k)];
        if (needle.empty()) {
            emptyNeedles_.push_back(k);
            continue;
        }
        std::size_t state = 0;
        for (const char c : needle) {
            const std::size_t edge =
                state * width + static_cast<std::size_t>(classOf(static_cast<unsigned char>(c)));
            if (next_[edge] < 0) {
                next_[edge] = static_cast<std::int32_t>(ends.size());
                ends.emplace_back();
                next_.resize(next_.size() + width, -1);
            }
            state = static_cast<std::size_t>(next_[edge]);
        }
        ends[state].push_back(k);
    }

    // Breadth first: every missing edge goes where the longest proper suffix would go, and every
    // state reports the needles of its suffix states too.
    const std::size_t states = ends.size();
    std::vector<std::int32_t> fail(states, 0);
    std::vector<std::size_t> order;
    order.reserve(states);
    for (std::size_t c = 0; c < width; ++c) {
        std::int32_t& edge = next_[c];
        if (edge < 0) {
            edge = 0;
        } else {
            fail[static_cast<std::size_t>(edge)] = 0;
            order.push_back(static_cast<std::size_t>(edge));
        }
    }
    for (std::size_t at = 0; at < order.size(); ++at) {
        const std::size_t state = order[at];
        const std::vector<int>& inherited = ends[static_cast<std::size_t>(fail[state])];
        ends[state].insert(ends[state].end(), inherited.begin(), inherited.end());
        for (std::size_t c = 0; c < width; ++c) {
            std::int32_t& edge = next_[state * width + c];
            const std::int32_t viaFail = next_[static_cast<std::size_t>(fail[state]) * width + c];
            if (edge < 0) {
                edge = viaFail;
            } else {
                fail[static_cast<std::size_t>(edge)] = viaFail;
                order.push_back(static_cast<std::size_t>(edge));
            }
        }
    }

    outFrom_.assign(states + 1, 0);
    out_.clear();
    for (std::size_t state = 0; state < states; ++state) {
        outFrom_[state] = static_cast<std::int32_t>(out_.size());
        out_.insert(out_.end(), ends[state].begin(), ends[state].end());
    }
    outFrom_[states] = static_cast<std::int32_t>(out_.size());

    // The scan's table: each edge holds its target's row offset, bitwise negated when the
    // target reports needles, so that a byte costs one lookup and one sign test.
    if (states * width > static_cast<std::size_t>(INT32_MAX))
        throw std::length_error("NeedleSet: too many needles for one automaton");
    for (std::int32_t& edge : next_) {
        const auto target = static_cast<std::size_t>(edge);
        const auto offset = static_cast<std::int32_t>(target * width);
        edge = outFrom_[target] < outFrom_[target + 1] ? ~offset : offset;
    }
}

void NeedleSet::scan(std::string_view text, std::vector<std::uint8_t>& found) const {
    found.assign(needles_.size(), 0);
    for (const int k : emptyNeedles_)
        found[static_cast<std::size_t>(k)] = 1;
    const std::int32_t* next = next_.data();
    std::int32_t at = 0;
    for (const char c : text) {
        at = next[at + classOf(static_cast<unsigned char>(c))];
        if (at >= 0) continue;
        at = ~at;
        const auto state = static_cast<std::size_t>(at / classCount_);
        for (std::int32_t i = outFrom_[state]; i < outFrom_[state + 1]; ++i)
            found[static_cast<std::size_t>(out_[static_cast<std::size_t>(i)])] = 1;
    }
}

} // namespace osmimport
