#pragma once
// The Help menu `mhlp`: "Manual" opens the maker's manual (a PDF) and "On Line" the maker's web
// page in the desktop's programs. No busy test: both work while a file loads.

namespace core {
class MapWindow;
}

namespace prefs {

void mhlp_Click(int index);
void connectHelpMenu(core::MapWindow& map);

} // namespace prefs
