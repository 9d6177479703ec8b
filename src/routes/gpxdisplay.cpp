#include "routes/gpxdisplay.h"

#include "basic/text.h"
#include "render/drawerrors.h"
#include "render/drawwindows.h"
#include "window/mapwindow.h"
#include "window/view.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace routes {
namespace {

using basic::Single;

// Consecutive track points at least this far apart (map units, horizontally) are not joined.
constexpr double kTrackGap = 50;

// Which of points 0..count gpxNamedPoints ("#1#2#...#") names: one pass over the list.
std::vector<bool> namedPoints(std::string_view list, size_t count) {
    std::vector<bool> named(count + 1, false);
    for (std::string_view piece : basic::splitView(list, "#")) {
        size_t i = 0;
        const auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), i);
        if (error == std::errc() && end == piece.data() + piece.size() && i <= count) named[i] = true;
    }
    return named;
}

// Centres a control of the template's size on (x, y).
template <class T> void centreOn(T& control, const T& model, double x, double y) {
    control.move(x - model.width() / 2, y - model.height() / 2);
}

} // namespace

void plotgpx(core::MapWindow& map, basic::Long count, render::DrawErrors& errors) {
    core::MapData& d = map.data;
    const core::Global& g = map.global;
    core::Markers& m = map.markers;
    const auto stored =
        static_cast<basic::Long>(std::min({d.routeLat.size(), d.routeLon.size(), d.pointName.size()})) - 1;
    const auto n = static_cast<size_t>(std::clamp<basic::Long>(count, 0, std::min(kGpxShown, stored)));

    // The map positions of the points, made for the file now loaded at every call: the map may
    // have changed since the import. Index 0 stays 0, before the first point.
    std::vector<Single> worldX(n + 1, 0);
    std::vector<Single> worldY(n + 1, 0);
    for (size_t i = 1; i <= n; ++i) {
        errors.run([&] {
            worldX[i] = basic::csng(core::mapX(d, d.routeLon[i]));
            worldY[i] = basic::csng(core::mapY(d, d.routeLat[i]));
        });
    }
    const std::vector<bool> named = namedPoints(d.gpxNamedPoints, n);
    const render::DrawWindow tracks = render::drawWindows(map.view).tracks;

    // The point drawn as the last track shape of this call, 0 when none yet.
    size_t lastDrawn = 0;
    for (size_t i = 1; i <= n; ++i) {
        const auto sx = static_cast<Single>(g.viewZoom * worldX[i] + g.viewOffX);
        const auto sy = static_cast<Single>(g.viewZoom * worldY[i] + g.viewOffY);
        if (named[i] && g.showWaypoints) {
            errors.run([&] {
                platform::ImageControl& marker = m.gps.load(d.gpsCount + 1);
                ++d.gpsCount;
                centreOn(marker, m.gps[core::kMarkerTemplate], sx, sy);
                const std::string& name = d.pointName[i];
                marker.setVisible(true);
                marker.setToolTipText(name);
                if (name.find('w') != std::string::npos) marker.setPicture(map.stores.Image5.picture());
            });
        } else if (tracks.contains(sx, sy) && g.showTracks) {
            errors.run([&] {
                const int k = d.gptCount + 1;
                platform::ShapeControl& dot = m.gpt.load(k);
                d.gptCount = static_cast<basic::Integer>(k);
                centreOn(dot, m.gpt[core::kMarkerTemplate], sx, sy);
                dot.setVisible(true);
                // Joined only to the point just before, and only when that one has its shape:
                // a track that leaves the window and comes back shows a gap, no line across.
                const bool joined = lastDrawn == i - 1 && lastDrawn > 0;
                lastDrawn = i;
                if (!joined || !(std::fabs(worldX[i] - worldX[i - 1]) < kTrackGap)) return;
                platform::LineControl& line = m.Lin2.load(k);
                line.setEnds(m.gpt[k - 1].left(), m.gpt[k - 1].top(), m.gpt[k].left(), m.gpt[k].top());
                line.setVisible(true);
            });
        }
    }
    d.trackDirty = false;
}

void plotgpx(core::MapWindow& map, basic::Long count) {
    render::DrawErrors errors;
    plotgpx(map, count, errors);
}

} // namespace routes
