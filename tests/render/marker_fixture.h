#pragma once
// A main window with five nodes on a known view, and problem markers loaded with their texts: the
// ground of the marker placement and click tests.

#include "core/window_fixture.h"

#include <initializer_list>

namespace render::testing {

class MarkerTest : public core::testing::WindowTest {
protected:
    // Nodes 1..5 at (100n, 50n), zoom 2, offsets (10, 20): node n on screen at (200n + 10, 100n + 20).
    core::MapWindow& withNodes() {
        core::MapWindow& map = load();
        core::MapData& d = map.data;
        d.sizeNodes(5);
        for (int n = 1; n <= 5; ++n) {
            d.nodeX[static_cast<size_t>(n)] = 100 * n;
            d.nodeY[static_cast<size_t>(n)] = 50 * n;
        }
        map.global.viewZoom = 2;
        map.global.viewOffX = 10;
        map.global.viewOffY = 20;
        return map;
    }

    static void loadMarkers(core::ImageArray& markers, std::initializer_list<const char*> tags) {
        int i = 2;
        for (const char* tag : tags)
            markers.load(i++).setTag(tag);
    }
};

} // namespace render::testing
