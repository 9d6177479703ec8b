#pragma once
// The look of the way in hand: what the classification chain decides from the way's text and the
// way checks refine before it is stored. The way loop resets the per-way items at the top of
// every way; the fill argument and the end mark carry over from the previous way.

#include "basic/colour.h"
#include "basic/numbers.h"
#include "import/projectdata.h"

#include <string>
#include <string_view>

namespace osmimport {

// An RGB value r + 256 g + 65536 b held as the way arrays hold colours.
inline Double wayRgb(int r, int g, int b) {
    return static_cast<Double>(basic::rgb(r, g, b));
}

struct WayLook {
    Double lineColour = 0;                             // 0: no line colour of its own; 1.0: untagged mark
    Double wayLineStyleColour = wayRgb(180, 180, 180); // casing of roads, outline of areas
    Integer wayWidth = 1;                              // pen width
    Integer wayLineStyle = 0; // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible
    Integer wayLayer = 0;     // drawing class
    bool isArea = false;
    Double wayFill = 0;           // 0 none, 1..29 a pattern tile, larger an RGB flood colour
    Integer wayFillArg = 0;       // not reset per way
    std::string wayName;          // set only by the rules with a name step
    std::string problemText;      // shown with the way's problem marker
    bool endMark = false;         // not reset per way
    bool skipEarlyChecks = false; // a place of worship skips the checks before the bridge check
};

// The import-only drawing lists the chain and the checks fill: each starts as "#" and gets the
// way index and "#" appended. The lists the project file stores on their own (waterways, trams,
// boundaries, bridges) live in ProjectData.
struct WayLists {
    std::string residentialList = "#";
    std::string woodList = "#";
    std::string landAreaList = "#";
    std::string buildingList = "#";
    std::string unstyledAreaList = "#";
};

// The way as the classification sees it.
struct WayText {
    Long index = 0;
    std::string_view raw;   // the way's piece as read (cut as the way loop cuts it)
    std::string_view lower; // the same text in lower case
};

} // namespace osmimport
