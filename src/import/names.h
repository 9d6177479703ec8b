#pragma once
// Name normalisation: the rewrite of the whole OSM text before anything is parsed, and the
// street-type abbreviations that single names get too. The rules are case-sensitive
// replace-alls over the whole text, applied in their order. Each pass is linear and, as no
// replacement is longer than what it replaces, rewrites the text in its own storage, so that a
// large file is never held twice; rules whose passes give the same text run together as one pass
// (the street words; the letters before and after the sharp s).

#include <string>

namespace osmimport {

// Street-type words shortened, in this order and anywhere in the text (not only as whole
// words): Road Rd, Avenue Av, Street St, Garden Gdn, Close Cls, Lane Ln, Drive Dr, Crescent
// Cres, Grove Grv, Rue R, Straat Str, Court Crt, Terrace Trc, Field Fld. One rule can make a
// word for a later one: "Streetraat" becomes "Straat" and then "Str".
std::string fnnam2(std::string text);

// The names phase: every "<tag k=" & quote & "created_" deleted (the rest of such a tag stays),
// fnnam2 over the whole text, and, when the text holds the byte 0xC3, the two-byte UTF-8
// letters folded to plain letters. A sharp s (C3 9F) becomes "ss", lower-cases the whole text
// by the Windows-1252 table and turns every "strasse" into "str."; the letters whose rows come
// after it are then folded from their lower-cased form where a row exists for it.
std::string normaliseNames(std::string osmText, char quote);

} // namespace osmimport
