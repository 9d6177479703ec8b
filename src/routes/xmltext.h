#pragma once
// A text of the system as XML character data in UTF-8, for the files that declare UTF-8: a name
// that is valid UTF-8 keeps its bytes, any other is read as Windows-1252 (as the window shows
// it); "&", "<", ">" and the double quote become entities; control characters other than TAB,
// LF and CR, which XML does not allow, are left out.

#include <string>
#include <string_view>

namespace routes {

void appendXmlText(std::string& out, std::string_view text);

} // namespace routes
