#pragma once
// The plane geometry of the way loop on world coordinates: angles, the summed-angle
// point-in-polygon test, area and centre of an area, segment lengths; and the colour split that
// gives a bridge its inner colour. Angles are in radians with pi written as 3.14159265.
//
// A polygon is the span of its corners without the closing repeat; every routine closes it
// itself (edge i runs from corner i to corner i + 1, the last edge back to the first corner).

#include "basic/numbers.h"

#include <span>

namespace osmimport {

using basic::Double;
using basic::Integer;
using basic::Long;
using basic::Single;

inline constexpr double kPolygonPi = 3.14159265;

// One polygon corner in world units, rounded to whole numbers.
struct PolyPoint {
    Long X = 0;
    Long Y = 0;
};

// A map coordinate as a polygon corner: rounded, halves to even, held within 32 bits.
Long cornerOf(Double v);

// The angle of the vector (adj, opp) in -pi..pi. An |adj| below 0.0001 counts as vertical, so
// ATan2(0, 0) is pi / 2.
Single ATan2(Single opp, Single adj);

// The cross product of BA and BC: (cy - by)(ax - bx) - (cx - bx)(ay - by), each difference
// rounded to a Single first.
// The system's name: cpl.
Single crossProduct(Single ax, Single ay, Single bx, Single by, Single cx, Single cy);

// The dot product of BA and BC: (cx - bx)(ax - bx) + (cy - by)(ay - by), each difference
// rounded to a Single first.
Single DotProd(Single ax, Single ay, Single bx, Single by, Single cx, Single cy);

// The signed angle at B from BA to BC: ATan2(crossProduct, DotProd).
Single GetAngle(Single ax, Single ay, Single bx, Single by, Single cx, Single cy);

// The summed-angle test: the angles the edges subtend at (x, y), summed in Singles, come to
// about 2 pi in magnitude for a point inside and about 0 outside; above pi / 2 counts as inside
// (a point on an edge sums to about pi and counts as inside). An empty polygon has no inside.
bool InsidePolygon(Single x, Single y, std::span<const PolyPoint> corners);

// The shoelace sum of (Y(i) + Y(i+1)) (X(i+1) - X(i)) / 2 over the edges, summed exactly in
// wide whole numbers so long edges cannot overflow; its sign follows the direction of the
// corners. No corners give 0.
Single SignedArea(std::span<const PolyPoint> corners);

// The absolute value of SignedArea.
Single PolygonArea(std::span<const PolyPoint> corners);

// The centre of the area, with products and sums exact in wide whole numbers (so a small area
// far from the origin keeps its centre). Either direction of the corners gives the same
// positive centre. An area of 0 (no corners, a line, a point) has no
// centre: false, and cx and cy are 0.
bool FindCentroid(std::span<const PolyPoint> corners, Single& cx, Single& cy);

// The length of the segment from (x1, y1) to (x2, y2).
Double fnlength(Double x1, Double y1, Double x2, Double y2);

// The red, green and blue parts of a colour, each 0..255 for every colour 0..16777215.
struct ColourParts {
    Integer red = 0;
    Integer green = 0;
    Integer blue = 0;
};

// The parts of colour, first rounded to a whole number (halves to even). A colour beyond the
// 32-bit range is fault 6 "Overflow".
ColourParts CToRGB(Double colour);

// The inner colour of a bridge drawn in lineColour: each part 30 darker when the colour is not
// white and every part is above 30; otherwise the line colour itself.
Double bridgeInnerColour(Double lineColour);

} // namespace osmimport
