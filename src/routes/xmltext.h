#pragma once
// A text of the system as XML character data in UTF-8, for the files that declare UTF-8. The
// text goes out as its own bytes, never decoded: a text that is valid UTF-8 keeps its bytes, any
// other is read as Windows-1252, and an entity written in it ("&amp;") stays text whose "&" is
// escaped like any other. "&", "<", ">" and the double quote become entities. Characters that
// XML 1.0 does not allow (the controls other than TAB, LF and CR, U+FFFE and U+FFFF) are left
// out, and so are DEL and the controls U+0080..U+009F, so that any XML reader takes the file.

#include <string>
#include <string_view>

namespace routes {

void appendXmlText(std::string& out, std::string_view text);

} // namespace routes
