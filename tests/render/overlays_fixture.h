#pragma once
// A loaded window with a small map in memory for the label passes: nodes placed where a test
// wants them on the map picture, ways that name them, and a look at the ink around a point.

#include "core/window_fixture.h"
#include "import/indexlist.h"
#include "platform/canvascolour.h"
#include "render/drawcontext.h"
#include "render/drawerrors.h"
#include "render/waygeometry.h"
#include "window/viewwindow.h"

#include <QRect>
#include <string>
#include <utility>
#include <vector>

namespace core::testing {

class LabelPassTest : public WindowTest {
protected:
    // The window at the given view, its map picture blank, its viewport the designed one.
    MapWindow& window(basic::Single zoom, basic::Single offX = 0, basic::Single offY = 0) {
        MapWindow& map = load();
        init(map);
        showDesignedView(map);
        return atView(map, zoom, offX, offY);
    }

    // The window laid out on a screen of this size (twips), its viewport as a newly opened file
    // leaves it, at the given view.
    MapWindow& windowOnScreen(platform::ScreenSize screen, basic::Single zoom) {
        MapWindow& map = loadOnScreen(screen);
        init(map);
        return atView(map, zoom, 0, 0);
    }

    static MapWindow& atView(MapWindow& map, basic::Single zoom, basic::Single offX, basic::Single offY) {
        map.global.viewZoom = zoom;
        map.global.viewOffX = offX;
        map.global.viewOffY = offY;
        map.view.p1.cls();
        return map;
    }

    // Nodes 1..N at these map points.
    static void placeNodes(MapWindow& map, const std::vector<std::pair<double, double>>& points) {
        MapData& d = map.data;
        d.sizeNodes(static_cast<basic::Long>(points.size()));
        for (std::size_t n = 0; n < points.size(); ++n) {
            d.nodeX[n + 1] = points[n].first;
            d.nodeY[n + 1] = points[n].second;
        }
    }

    // Ways 1..N, way i named names[i - 1] at node nameNodes[i - 1] with angle 0.
    static void nameWays(MapWindow& map, const std::vector<std::string>& names,
                         const std::vector<basic::Long>& nameNodes) {
        MapData& d = map.data;
        d.sizeWays(static_cast<basic::Long>(names.size()));
        for (std::size_t i = 0; i < names.size(); ++i) {
            d.wayNodes[i + 1] = std::to_string(nameNodes[i]) + "#";
            d.wayName[i + 1] = names[i];
            d.wayNameNode[i + 1] = nameNodes[i];
        }
        osmimport::indexWayNodes(d);
    }

    // Runs a pass as the redraw does; the number of messages it showed.
    template <class Pass> std::size_t run(MapWindow& map, Pass pass) {
        const std::size_t before = dialogs().shown().size();
        render::DrawErrors errors;
        render::DrawContext c(map, errors);
        c.prepare();
        pass(c);
        return dialogs().shown().size() - before;
    }

    // Pixels of the colour within `reach` pixels of the point (p1's units).
    static int inkNear(const MapWindow& map, double x, double y, basic::Long colour, int reach = 60) {
        const platform::PictureBox& p1 = map.view.p1;
        const QImage& image = p1.image();
        const int px = static_cast<int>(p1.toPixelX(x));
        const int py = static_cast<int>(p1.toPixelY(y));
        const QRect box =
            QRect(px - reach, py - reach, 2 * reach + 1, 2 * reach + 1).intersected(image.rect());
        const QRgb wanted = platform::toQRgb(colour);
        int count = 0;
        for (int row = box.top(); row <= box.bottom(); ++row)
            for (int col = box.left(); col <= box.right(); ++col)
                count += (image.pixel(col, row) & 0xFFFFFF) == (wanted & 0xFFFFFF);
        return count;
    }

    // Pixels anywhere on p1 that differ from its background.
    static int inkAnywhere(const MapWindow& map) {
        const QImage& image = map.view.p1.image();
        const QRgb back = platform::toQRgb(map.view.p1.backColor()) & 0xFFFFFF;
        int count = 0;
        for (int row = 0; row < image.height(); ++row) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
            for (int col = 0; col < image.width(); ++col)
                count += (line[col] & 0xFFFFFF) != back;
        }
        return count;
    }
};

} // namespace core::testing
