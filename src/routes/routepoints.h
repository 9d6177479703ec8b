#pragma once
// Inserting and deleting route points in the point arrays (index 0 unused, points 1..count),
// window-free: the arithmetic of the pop-up menu of a route point, in single precision.

#include "basic/numbers.h"

#include <span>

namespace routes {

enum class InsertSide { Before, After };

// Inserts a point beside point `selected` of `count`, giving count + 1 points:
// - between two points, at the midpoint of the selected point and its neighbour on that side;
// - after the last point, half the last segment further on;
// - before the first point, one whole first segment back;
// - on a one-point route at P, 0.001 degree from P in both axes: before it (P - 0.001, then P)
//   or after it (P, then P + 0.001).
// Refused (false, nothing changed) when `selected` is not in 1..count or the arrays have no room
// for another point.
bool insertPoint(std::span<basic::Single> lat, std::span<basic::Single> lon, int count, int selected,
                 InsertSide side);

// Removes point `selected` of `count`, the points after it moving down one place. Refused (false)
// when `selected` is not in 1..count.
bool deletePoint(std::span<basic::Single> lat, std::span<basic::Single> lon, int count, int selected);

} // namespace routes
