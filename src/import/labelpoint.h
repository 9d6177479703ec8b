#pragma once
// Where an area's label goes and what it says, and the direction of a street name. The label
// point is also the seed of the area's flood fill when the map is drawn.

#include "basic/numbers.h"
#include "import/polygon.h"
#include "import/projectdata.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace osmimport {

// The bounding box of the way's nodes in world units, as the reference loop widened it.
struct LabelBox {
    Single minX = 0;
    Single minY = 0;
    Single maxX = 0;
    Single maxY = 0;
};

// Widens box to hold the point (x, y).
void widenLabelBox(LabelBox& box, Single x, Single y);

// The outcome of the label-point search.
struct LabelSearch {
    // A point passed.
    bool found = false;
    // The point that passed, or else the last point tried.
    Single cx = 0;
    Single cy = 0;
    // 1..5, the pass that found the point; 0 when none did.
    int pass = 0;
    // False when the search never started: the centre was below 1 in either coordinate (an
    // area of 0 has the centre 0, 0). Then no label is recorded at the last point tried.
    bool searched = false;
    // The user cancelled the import while the search ran; nothing else of it counts.
    bool cancelled = false;
};

// The candidates one search tries at most. A sliver (a corner read far from the rest) spans a
// box so wide that walking it unit by unit would freeze the import; a label needs far fewer.
inline constexpr int kMostLabelCandidates = 4096;
// The search asks whether the import was cancelled every this many candidates (which also lets
// waiting window events through).
inline constexpr int kLabelCandidatesPerAsk = 256;

// Asked during a long search: true when the import was cancelled.
using CancelCheck = std::function<bool()>;

// FindCentroid with each coordinate written as decimal text and read back (7 significant
// digits): the label point of a pattern area, and the first candidate of the search. False,
// with cx and cy 0, for an area of 0.
bool labelCentroid(std::span<const PolyPoint> corners, Single& cx, Single& cy);

// The search for a point well inside the area, stopping at the first pass that finds one. A
// point passes with offset d when it and the four points d away from it left, right, up and
// down all lie inside. The passes, over box:
//   1  the centre from labelCentroid, d 1;
//   2  on the middle row, x from minX to maxX in steps of 4, d 4;
//   3  on the middle row, x = minX + t for t from half the width up to maxX / 2, step 4, d 4;
//   4  on the middle column, y = minY + t for t from half the height up to maxY / 2, step 4, d 3;
//   5  along the diagonal from bottom-left to top-right, x in steps of 1, d 2.
// A centre below 1 in either coordinate ends the search before pass 1 (searched false). After
// kMostLabelCandidates candidates in all the search gives up (not found, at the last point
// tried); so wherever the full walk finds a point early, the result is the same.
LabelSearch searchLabelPoint(std::span<const PolyPoint> corners, const LabelBox& box,
                             const CancelCheck& cancelled = {});

// The street-name direction in whole degrees 0..359 for the segment from a to b, where a is the
// left node (ax <= bx): the angle at b between the direction to a and the horizontal towards
// the left, rounded (halves away from zero); world Y grows downward, so a right end lower on
// the map gives 270..359, a level street 0 and a vertical one 90.
Long streetNameAngle(Single ax, Single ay, Single bx, Single by);

// The label text of a way from its raw text: the value of its "name" tag; none for an unnamed
// residential area or building; else the value of the first of the keys leisure, landuse,
// natural, amenity, power, man_made, aeroway, military, waterway, tourism that occurs (each
// matched by its quoted beginning); else none.
// The system's name: labeln.
std::string areaLabelText(std::string_view piece, char quote);

// The width of a caption in the map picture's current font.
using TextWidth = std::function<Single(std::string_view)>;

// Records an area label: text becomes areaLabelText(piece); when it is not empty a label record with
// that caption, floor(x), floor(y) and the caption's width is appended to data.labels and
// data.lab2Count is raised by one.
// The system's name: fld.
void addAreaLabel(ProjectData& data, Single x, Single y, std::string& text, std::string_view piece, char quote,
         const TextWidth& width);

} // namespace osmimport
