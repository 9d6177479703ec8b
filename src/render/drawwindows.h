#pragma once
// The windows of p1 that keep line, text and marker output to the visible part of the map
// picture. Each is the designed window, grown where the visible part reaches beyond the view it
// was designed around (the zoom centre with 3194 x 1834 units about it), so that it keeps the
// same margin around the visible part as around that view. A screen that shows no more than that
// view draws within the designed windows.

namespace core {
struct Viewport;
}

namespace render {

// A rectangle of p1's units, edges included; a point that is not a number is never inside.
struct DrawWindow {
    float left, top, right, bottom;
    bool contains(float x, float y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool operator==(const DrawWindow&) const = default;
};

// The windows as designed.
inline constexpr DrawWindow kAreaWindow{1500, 1500, 7500, 6000};
inline constexpr DrawWindow kWayWindow{1500, 1500, 6400, 6000};
inline constexpr DrawWindow kSeedWindow{2000, 1000, 6200, 5000};
inline constexpr DrawWindow kNameWindow{2500, 2500, 5900, 4500};
inline constexpr DrawWindow kPoiWindow{2100, 1500, 6400, 5000};
inline constexpr DrawWindow kTrackWindow{1500, 1500, 7500, 6000};
// The view the windows were designed around: the start view's visible part on the screens the
// system was made for.
inline constexpr DrawWindow kDesignedView{2403, 2383, 5597, 4217};

struct DrawWindows {
    DrawWindow areas;       // areas and their outlines
    DrawWindow ways;        // the segments of large files
    DrawWindow floodSeeds;  // the seeds of flood-filled areas
    DrawWindow streetNames; // the node a street name is printed at
    DrawWindow poiMarkers;  // the POI markers
    DrawWindow tracks;      // the GPX track points
};

// `designed` grown so that it keeps its margin around `designed`'s view also around `visible`;
// a margin it lacks (a window narrower than the view) counts as none, so the result always
// covers `visible`.
DrawWindow grownWindow(const DrawWindow& designed, const DrawWindow& visible);

// The part of p1 the viewport Picture1 shows, in p1's units.
DrawWindow visiblePart(const core::Viewport& view);

// Every window, grown for what the viewport shows now.
DrawWindows drawWindows(const core::Viewport& view);

} // namespace render
