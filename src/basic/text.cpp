#include "basic/text.h"

#include "basic/fault.h"

#include <cstring>

namespace basic {

namespace {

void requireNonNegative(Position n) {
    if (n < 0) raise(fault::InvalidProcedureCall);
}

std::size_t countFrom(std::string_view s, std::string_view needle, std::size_t at) {
    std::size_t n = 0;
    for (; at != std::string_view::npos; at = s.find(needle, at + needle.size()))
        ++n;
    return n;
}

// s with every find replaced, the first match at already found by the caller. The output is
// sized once (exactly when it grows, by s when it shrinks) and filled by plain copies.
std::string replaceFrom(std::string_view s, std::string_view find, std::string_view with, std::size_t at) {
    const std::size_t size = with.size() <= find.size()
                                 ? s.size()
                                 : s.size() + countFrom(s, find, at) * (with.size() - find.size());
    std::string out(size, '\0');
    char* p = out.data();
    std::size_t from = 0;
    while (at != std::string_view::npos) {
        std::memcpy(p, s.data() + from, at - from);
        p += at - from;
        if (!with.empty()) std::memcpy(p, with.data(), with.size()); // a null view may not be copied
        p += with.size();
        from = at + find.size();
        at = s.find(find, from);
    }
    std::memcpy(p, s.data() + from, s.size() - from);
    p += s.size() - from;
    out.resize(static_cast<std::size_t>(p - out.data()));
    return out;
}

// s with every find replaced by a `with` no longer than it, in s's own storage: what is written
// never overtakes what is still to be searched. The first match at already found by the caller.
void replaceInPlace(std::string& s, std::string_view find, std::string_view with, std::size_t at) {
    const std::string_view in = s; // the whole text until the end: the search reads ahead of p only
    char* p = s.data() + at;
    std::size_t from = at;
    while (at != std::string_view::npos) {
        std::memmove(p, in.data() + from, at - from);
        p += at - from;
        if (!with.empty()) std::memcpy(p, with.data(), with.size()); // a null view may not be copied
        p += with.size();
        from = at + find.size();
        at = in.find(find, from);
    }
    std::memmove(p, in.data() + from, in.size() - from);
    p += in.size() - from;
    s.resize(static_cast<std::size_t>(p - s.data()));
}

template <typename Items> std::string joinItems(const Items& items, std::string_view delim) {
    if (items.empty()) return {};
    std::size_t total = delim.size() * (items.size() - 1);
    for (const auto& item : items)
        total += item.size();
    std::string out;
    out.reserve(total);
    bool first = true;
    for (const auto& item : items) {
        if (!first) out.append(delim);
        out.append(item);
        first = false;
    }
    return out;
}

} // namespace

Position instr(Position start, std::string_view s, std::string_view needle) {
    if (start < 1) raise(fault::InvalidProcedureCall);
    if (start > len(s)) return 0;
    if (needle.empty()) return start;
    const std::size_t at = s.find(needle, static_cast<std::size_t>(start - 1));
    return at == std::string_view::npos ? 0 : static_cast<Position>(at) + 1;
}

Position instr(std::string_view s, std::string_view needle) {
    return instr(1, s, needle);
}

std::string mid(std::string_view s, Position start) {
    if (start < 1) raise(fault::InvalidProcedureCall);
    if (start > len(s)) return {};
    return std::string(s.substr(static_cast<std::size_t>(start - 1)));
}

std::string mid(std::string_view s, Position start, Position n) {
    if (start < 1) raise(fault::InvalidProcedureCall);
    requireNonNegative(n);
    if (start > len(s)) return {};
    return std::string(s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(n)));
}

std::string left(std::string_view s, Position n) {
    requireNonNegative(n);
    return std::string(s.substr(0, static_cast<std::size_t>(n)));
}

std::string right(std::string_view s, Position n) {
    requireNonNegative(n);
    if (n >= len(s)) return std::string(s);
    return std::string(s.substr(s.size() - static_cast<std::size_t>(n)));
}

std::string replace(std::string_view s, std::string_view find, std::string_view with) {
    const std::size_t at = find.empty() ? std::string_view::npos : s.find(find);
    if (at == std::string_view::npos) return std::string(s);
    return replaceFrom(s, find, with, at);
}

std::string replaceAll(std::string&& s, std::string_view find, std::string_view with) {
    const std::size_t at = find.empty() ? std::string::npos : s.find(find);
    if (at == std::string::npos) return std::move(s);
    if (with.size() > find.size()) return replaceFrom(s, find, with, at);
    replaceInPlace(s, find, with, at);
    return std::move(s);
}

Position count(std::string_view s, std::string_view needle) {
    if (needle.empty()) return 0;
    return static_cast<Position>(countFrom(s, needle, s.find(needle)));
}

std::vector<std::string_view> splitView(std::string_view s, std::string_view delim) {
    std::vector<std::string_view> pieces;
    if (s.empty()) return pieces;
    if (delim.empty()) {
        pieces.push_back(s);
        return pieces;
    }
    std::size_t from = 0;
    for (std::size_t at = s.find(delim); at != std::string_view::npos; at = s.find(delim, from)) {
        pieces.push_back(s.substr(from, at - from));
        from = at + delim.size();
    }
    pieces.push_back(s.substr(from));
    return pieces;
}

std::vector<std::string> split(std::string_view s, std::string_view delim) {
    const std::vector<std::string_view> views = splitView(s, delim);
    return std::vector<std::string>(views.begin(), views.end());
}

std::string join(const std::vector<std::string>& items, std::string_view delim) {
    return joinItems(items, delim);
}

std::string join(const std::vector<std::string_view>& items, std::string_view delim) {
    return joinItems(items, delim);
}

std::string_view trimView(std::string_view s) noexcept {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string trim(std::string_view s) {
    return std::string(trimView(s));
}

std::string ltrim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(s.substr(first));
}

std::string rtrim(std::string_view s) {
    const std::size_t last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

std::string space(Position n) {
    return string(n, ' ');
}

std::string string(Position n, char ch) {
    requireNonNegative(n);
    return std::string(static_cast<std::size_t>(n), ch);
}

std::string chr(int n) {
    if (n < 0 || n > 255) raise(fault::InvalidProcedureCall);
    return std::string(1, static_cast<char>(n));
}

int asc(std::string_view s) {
    if (s.empty()) raise(fault::InvalidProcedureCall);
    return static_cast<unsigned char>(s.front());
}

} // namespace basic
