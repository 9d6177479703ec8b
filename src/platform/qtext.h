#pragma once
// Crossing between the system's byte texts and Qt's strings, only at the edge where a text is
// shown in or taken from a widget. The system never decodes while it works on a text.

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The one rule for showing a text: a text that is valid UTF-8 (OSM names are) is shown as UTF-8;
// any other byte string is shown as Windows-1252, one character per byte. The characters 30 and
// 31, which the data uses as markers inside names and descriptions, are never shown. The five
// XML entities (&amp; &lt; &gt; &quot; &apos;) and numeric character references (&#34;
// &#x22;), which OSM texts keep as written, show as their characters, in one pass.
QString toQString(std::string_view bytes);

// A name the system hands on (a file or folder, an address, a font face), or a text that is no
// OSM markup (the captions of windows and menus, the status bar's panels): decoded as toQString
// does, without the markers and entities, so that a file name shows its exact characters.
QString bytesToQString(std::string_view bytes);

// The first `count` characters of a text as toQString shows it: whole UTF-8 characters of a
// valid UTF-8 text, single bytes otherwise, so a cut never leaves half a character behind.
std::string_view leftCharacters(std::string_view bytes, std::size_t count);

// What the user typed, as the bytes the data holds: UTF-8.
std::string fromQString(const QString& text);

// Windows-1252 only, one byte per character; characters outside the code page become "?".
std::string toCp1252(const QString& text);
QString fromCp1252(std::string_view bytes);

} // namespace platform
