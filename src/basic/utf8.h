#pragma once
// The one check of UTF-8 byte sequences. Texts are Windows-1252 bytes while the system works on
// them; where a text may be UTF-8 (OSM and GPX files), its well-formed multi-byte sequences are
// kept together and shown as UTF-8. Well-formed means: a lead byte whose continuation bytes
// follow, without overlong forms, surrogates or code points above U+10FFFF.

#include <cstddef>
#include <string_view>

namespace basic {

// Whether byte c continues a multi-byte sequence (10xxxxxx).
constexpr bool isUtf8Continuation(unsigned char c) noexcept {
    return (c & 0xC0) == 0x80;
}

// The length (2 to 4) of the well-formed multi-byte sequence that starts at s[i]; 0 when none
// starts there, a plain ASCII byte and i beyond the text included.
std::size_t utf8SequenceAt(std::string_view s, std::size_t i) noexcept;

// Whether every byte of s is ASCII or part of a well-formed multi-byte sequence.
bool isUtf8(std::string_view s) noexcept;

} // namespace basic
