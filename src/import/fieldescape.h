#pragma once
// Field escaping of the project file: a stored text must hold no line break, no double quote
// and no comma, since the readers take each item up to the first comma or the line end.
//
// Escaping, in this order: CR LF becomes "+-", every remaining line feed and every lone CR
// becomes "£" (the byte 0xA3), every double quote becomes the byte 0xFA, every comma a blank.
// Unescaping: 0xFA becomes the double quote, "+-" becomes CR LF, and 0xA3 becomes a line feed
// where it does not continue a valid UTF-8 sequence, so that "ã" (C3 A3), "У" (D0 A3) and the
// like survive. Neither 0xFA nor a lone 0xA3 ever occurs in valid UTF-8, so every valid UTF-8
// text reads back as written, except for two known losses: a comma reads back as a blank and a
// literal "+-" as CR LF, and a lone CR comes back as a line feed. In a text that is not valid
// UTF-8, a line break right after a lead byte may read back as part of that character.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace osmimport {

// The system's name for both is swap, with the mode 1 to escape and 0 to unescape.
enum class FieldCoding { escape, unescape };

// One pass over the text each.
std::string escapeField(std::string_view text);
std::string unescapeField(std::string_view text);
// The coded text appended to out.
void appendCodedField(std::string& out, std::string_view text, FieldCoding coding);

// The coding of a long text handed on in pieces of at least pieceBytes (the last may be
// shorter), so that the text and its whole coded copy are never held at once. Each cut follows a
// plain ASCII byte that the coding keeps as it is, that starts no mark and that is none of
// keepWhole: the coded pieces put together are the coding of the whole text, and a caller that
// also removes texts made of keepWhole's bytes from each piece removes exactly what it would
// remove from the whole. piece gets the coded piece and the end of the part of text it was made
// from. Both codings keep the length of the text.
void codeFieldInPieces(std::string_view text, FieldCoding coding, std::size_t pieceBytes,
                       std::string_view keepWhole,
                       const std::function<void(std::string_view coded, const char* readTo)>& piece);

} // namespace osmimport
