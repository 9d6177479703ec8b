#pragma once
// The font faces the screen offers, as the font choosers list them. Tests put a fixed list in
// place so that what they check does not depend on the fonts a machine has installed.

#include <string>
#include <vector>

namespace platform {

// The families of Qt's font database (or the injected list in its place) in its order, each
// once: Qt names a family that several foundries make once per foundry, "Family [Foundry]", and
// such entries give the family's own name, the one a font is asked for by, at the first of them.
std::vector<std::string> screenFonts();

void injectScreenFonts(std::vector<std::string> names); // for tests
void clearInjectedScreenFonts();

} // namespace platform
