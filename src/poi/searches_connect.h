#pragma once
// The handlers of both search frames, of their opening buttons Image6 and Image9 in the left
// strip, and of the search timer tm3.

namespace core {
class MapWindow;
}

namespace poi {

void connectSearchPanels(core::MapWindow& map);

} // namespace poi
