#pragma once
// Whether a way's id occurs in the text that holds the relations (the last way piece): a plain
// substring test, so id 12 also occurs in 5123. Asked for every way, it must not search that
// text once per way: an id made of digits can only occur inside a run of digits, so one pass
// over the text's digit runs marks every way id found there. Other ids (empty, with other
// characters or too long for the pass) are searched for plainly, which is rare.

#include <cstdint>
#include <span>
#include <string_view>
#include <unordered_map>

namespace osmimport {

class RelationMembers {
public:
    // text must outlive this; ids are the ids of every way that will be asked about.
    RelationMembers(std::string_view text, std::span<const std::string_view> ids);

    // Whether id occurs in text. The empty id occurs in every text but the empty one.
    bool occurs(std::string_view id) const;

private:
    // The longest digit id the pass looks for: its key must fit 64 bits.
    static constexpr std::size_t kLongestDigitId = 18;

    std::string_view text_;
    std::unordered_map<std::uint64_t, bool> found_; // digit ids by key
    std::uint32_t lengths_ = 0;                     // bit n: some digit id has n digits
};

} // namespace osmimport
