#include "import/polygon.h"

#include "basic/colour.h"
#include "basic/numbers.h"

#include <cmath>
#include <cstddef>
#include <limits>

namespace osmimport {

namespace {

// Corner i of the closed polygon: the corner after the last is the first again.
const PolyPoint& corner(std::span<const PolyPoint> corners, std::size_t i) {
    return corners[i == corners.size() ? 0 : i];
}

constexpr Double kWhite = 16777215.0;

// 128 bits hold every product and sum of 32-bit corners exactly.
using Wide = __int128;

// The shoelace sum of (Y(i) + Y(i+1)) (X(i+1) - X(i)), exact.
Wide twiceSignedArea(std::span<const PolyPoint> corners) {
    Wide total = 0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const PolyPoint& a = corners[i];
        const PolyPoint& b = corner(corners, i + 1);
        total += (Wide{a.Y} + b.Y) * (Wide{b.X} - a.X);
    }
    return total;
}

} // namespace

Long cornerOf(Double v) {
    constexpr double kMost = std::numeric_limits<Long>::max();
    return static_cast<Long>(basic::roundHalfEven(std::fmax(-kMost, std::fmin(kMost, v))));
}

Single ATan2(Single opp, Single adj) {
    // The quotient is a Single; its arc tangent is taken in double.
    double r = std::fabs(adj) < 0.0001f ? kPolygonPi / 2 : std::fabs(std::atan(double{opp / adj}));
    if (adj < 0) r = kPolygonPi - r;
    if (opp < 0) r = -r;
    return static_cast<Single>(r);
}

Single crossProduct(Single ax, Single ay, Single bx, Single by, Single cx, Single cy) {
    const Single cyBy = cy - by;
    const Single axBx = ax - bx;
    const Single cxBx = cx - bx;
    const Single ayBy = ay - by;
    return static_cast<Single>(double(cyBy) * axBx - double(cxBx) * ayBy);
}

Single DotProd(Single ax, Single ay, Single bx, Single by, Single cx, Single cy) {
    const Single cxBx = cx - bx;
    const Single axBx = ax - bx;
    const Single cyBy = cy - by;
    const Single ayBy = ay - by;
    return static_cast<Single>(double(cxBx) * axBx + double(cyBy) * ayBy);
}

Single GetAngle(Single ax, Single ay, Single bx, Single by, Single cx, Single cy) {
    return ATan2(crossProduct(ax, ay, bx, by, cx, cy), DotProd(ax, ay, bx, by, cx, cy));
}

bool InsidePolygon(Single x, Single y, std::span<const PolyPoint> corners) {
    if (corners.empty()) return false;
    const auto angleAt = [&](const PolyPoint& from, const PolyPoint& to) {
        return GetAngle(static_cast<Single>(from.X), static_cast<Single>(from.Y), x, y,
                        static_cast<Single>(to.X), static_cast<Single>(to.Y));
    };
    // The closing edge first, then the others in order: the Single sums round in that order.
    Single total = angleAt(corners.back(), corners.front());
    for (std::size_t i = 0; i + 1 < corners.size(); ++i) {
        total = static_cast<Single>(total + angleAt(corners[i], corners[i + 1]));
    }
    // Outside, the angles sum to about 0; inside, to about 2 pi (either sign). Half way between
    // is a margin that rounding over many edges cannot cross.
    return std::fabs(total) > static_cast<Single>(kPolygonPi / 2);
}

Single SignedArea(std::span<const PolyPoint> corners) {
    return static_cast<Single>(static_cast<double>(twiceSignedArea(corners)) / 2);
}

Single PolygonArea(std::span<const PolyPoint> corners) {
    return std::fabs(SignedArea(corners));
}

bool FindCentroid(std::span<const PolyPoint> corners, Single& cx, Single& cy) {
    cx = 0;
    cy = 0;
    Wide twiceArea = twiceSignedArea(corners);
    if (twiceArea == 0) return false;
    if (twiceArea < 0) twiceArea = -twiceArea;
    Wide sumX = 0;
    Wide sumY = 0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const PolyPoint& a = corners[i];
        const PolyPoint& b = corner(corners, i + 1);
        const Wide f = Wide{a.X} * b.Y - Wide{b.X} * a.Y;
        sumX += f * (Wide{a.X} + b.X);
        sumY += f * (Wide{a.Y} + b.Y);
    }
    // sum / 6 / area, with the area as twice its value.
    const double divisor = 3 * static_cast<double>(twiceArea);
    cx = static_cast<Single>(static_cast<double>(sumX) / divisor);
    cy = static_cast<Single>(static_cast<double>(sumY) / divisor);
    // Dividing by the absolute area negates the centre for one direction of the corners.
    if (cx < 0) {
        cx = -cx;
        cy = -cy;
    }
    return true;
}

Double fnlength(Double x1, Double y1, Double x2, Double y2) {
    return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

ColourParts CToRGB(Double colour) {
    const Long c = basic::clng(colour);
    return {basic::redPart(c), basic::greenPart(c), basic::bluePart(c)};
}

Double bridgeInnerColour(Double lineColour) {
    const ColourParts p = CToRGB(lineColour);
    if (lineColour != kWhite && p.red > 30 && p.green > 30 && p.blue > 30) {
        return basic::rgb(p.red - 30, p.green - 30, p.blue - 30);
    }
    return lineColour;
}

} // namespace osmimport
