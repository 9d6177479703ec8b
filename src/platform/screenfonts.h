#pragma once
// The font faces the screen offers, as the font choosers list them. Tests put a fixed list in
// place so that what they check does not depend on the fonts a machine has installed.

#include <string>
#include <vector>

namespace platform {

// The families of Qt's font database in its order (or the injected list when one is set).
std::vector<std::string> screenFonts();

void injectScreenFonts(std::vector<std::string> names); // for tests
void clearInjectedScreenFonts();

} // namespace platform
