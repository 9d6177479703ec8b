#include "import/wayphase_members.h"

#include <algorithm>
#include <array>
#include <optional>

namespace osmimport {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// 10^n + the value of the n digits, distinct for every digit text of up to 18 digits (leading
// zeros count, so "012" and "12" differ).
constexpr std::array<std::uint64_t, 20> kPowers10 = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t k = 1; k < p.size(); ++k)
        p[k] = p[k - 1] * 10;
    return p;
}();

std::uint64_t power10(std::size_t n) {
    return kPowers10[n];
}

std::optional<std::uint64_t> digitKey(std::string_view id, std::size_t longest) {
    if (id.empty() || id.size() > longest || !std::all_of(id.begin(), id.end(), isDigit)) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : id)
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    return power10(id.size()) + value;
}

} // namespace

RelationMembers::RelationMembers(std::string_view text, std::span<const std::string_view> ids) : text_(text) {
    std::size_t longest = 0;
    for (std::string_view id : ids) {
        if (const auto key = digitKey(id, kLongestDigitId)) {
            found_.emplace(*key, false);
            lengths_ |= 1u << id.size();
            longest = std::max(longest, id.size());
        }
    }
    if (found_.empty()) return;
    std::size_t at = 0;
    while (at < text.size()) {
        if (!isDigit(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        for (std::size_t start = at; start < end; ++start) {
            std::uint64_t value = 0;
            const std::size_t most = std::min(longest, end - start);
            for (std::size_t n = 1; n <= most; ++n) {
                value = value * 10 + static_cast<std::uint64_t>(text[start + n - 1] - '0');
                if (!(lengths_ & (1u << n))) continue;
                const auto it = found_.find(power10(n) + value);
                if (it != found_.end()) it->second = true;
            }
        }
        at = end;
    }
}

bool RelationMembers::occurs(std::string_view id) const {
    if (const auto key = digitKey(id, kLongestDigitId)) {
        if (const auto it = found_.find(*key); it != found_.end()) return it->second;
    }
    if (id.empty()) return !text_.empty();
    return text_.find(id) != std::string_view::npos;
}

} // namespace osmimport
