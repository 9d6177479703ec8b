#include "routes/routepoints.h"

#include <algorithm>

namespace routes {
namespace {

using basic::Single;

// How far the new point of a one-point route lies from the old one, in both axes.
constexpr Single kOnePointStep = 0.001f;

struct Points {
    std::span<Single> lat;
    std::span<Single> lon;

    void copy(std::size_t to, std::size_t from) {
        lat[to] = lat[from];
        lon[to] = lon[from];
    }
    // point i += (point a - point b) * factor
    void addDifference(std::size_t i, std::size_t a, std::size_t b, Single factor) {
        lat[i] = lat[i] + (lat[a] - lat[b]) * factor;
        lon[i] = lon[i] + (lon[a] - lon[b]) * factor;
    }
    void shift(std::size_t i, Single step) {
        lat[i] = lat[i] + step;
        lon[i] = lon[i] + step;
    }
};

bool inRoute(int count, int selected) { return selected >= 1 && selected <= count; }

} // namespace

bool insertPoint(std::span<Single> lat, std::span<Single> lon, int count, int selected, InsertSide side) {
    const std::size_t slots = std::min(lat.size(), lon.size());
    if (!inRoute(count, selected) || static_cast<std::size_t>(count) + 1 >= slots) return false;
    Points p{lat, lon};
    const auto n = static_cast<std::size_t>(count) + 1;
    const auto s = static_cast<std::size_t>(selected);
    // Points s and s + 1 both hold the selected point; one of them becomes the new point.
    for (std::size_t i = n; i > s; --i)
        p.copy(i, i - 1);

    if (count == 1) {
        if (side == InsertSide::Before) {
            p.shift(1, -kOnePointStep);
        } else {
            p.shift(2, kOnePointStep);
        }
    } else if (side == InsertSide::After && s == n - 1) {
        p.addDifference(n, n - 1, n - 2, 0.5f);
    } else if (side == InsertSide::After) {
        p.addDifference(s + 1, s + 2, s + 1, 0.5f);
    } else if (s == 1) {
        p.addDifference(1, 2, 3, 1.0f);
    } else {
        p.addDifference(s, s - 1, s, 0.5f);
    }
    return true;
}

bool deletePoint(std::span<Single> lat, std::span<Single> lon, int count, int selected) {
    if (!inRoute(count, selected) || static_cast<std::size_t>(count) >= std::min(lat.size(), lon.size()))
        return false;
    Points p{lat, lon};
    for (auto i = static_cast<std::size_t>(selected); i < static_cast<std::size_t>(count); ++i)
        p.copy(i, i + 1);
    return true;
}

} // namespace routes
