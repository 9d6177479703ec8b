#pragma once
// The menus of the main window: the top menus of the menu bar, their item arrays, and the
// hidden pop-up menu of a route point.

#include "platform/form.h"
#include "platform/menu.h"

namespace core {

struct Menus {
    explicit Menus(platform::Form& form);

    platform::Menu& mfil; // "File"
    platform::MenuArray mf{"mf"};
    platform::Menu& medi; // "Edit"
    platform::MenuArray med{"med"};
    platform::Menu& mrout; // "Routes"
    platform::MenuArray mnewr{"mnewr"};
    platform::Menu& mv; // "Map"
    platform::MenuArray mn{"mn"};
    platform::MenuArray mviw{"mviw"};
    platform::Menu& mgpx; // "GPX"
    platform::MenuArray mgp{"mgp"};
    platform::Menu& mhelp; // "Help"
    platform::MenuArray mhlp{"mhlp"};
    platform::Menu& mintt; // "Internet"
    platform::MenuArray mint{"mint"};
    // The pop-up menu of a route point; not on the menu bar.
    platform::Menu& mroute;
    platform::MenuArray madd{"madd"};
    platform::MenuItem& mdel;
    platform::MenuArray mrt{"mrt"};
};

} // namespace core
