#pragma once
// The main window's caption: "Varnoke:" & progVersion & " " & text.

#include <string>

namespace core {

class MapWindow;

void cap(MapWindow& map, const std::string& text);

} // namespace core
