#pragma once
// The line-class passes that follow the all-ways pass, each over its own drawing list:
// waterways (list C), bridge casings and decks (list B), railways (list D), power lines and
// boundaries (list E). Segments are drawn where both nodes are valid; a way index outside the
// way records is skipped. The detail pass between them is in detailpass.h.

#include "basic/numbers.h"

#include <cstddef>
#include <functional>

namespace render {

class DrawContext;

// The ways of list C in water blue, solid, each penWidth(its wayWidth) pixels wide; a way whose
// width is 0 is left out.
void drawWaterways(DrawContext& c, const std::function<int(basic::Integer wayWidth)>& penWidth);

// Calls draw(i, way, line style) for each bridge of list B, after setting a solid copy pen.
void forEachBridge(DrawContext& c, const std::function<void(basic::Long i, std::size_t way, basic::Integer style)>& draw);

// Waterways in water blue, wayWidth - 2 wide (at least 2); below zoom 2.5 those of width 2 are
// left out.
void waterwayPass(DrawContext& c);

// Above zoom 1.5: a wide casing under every bridge, dark grey under solid ways, pale yellow
// under the others.
void casingPass(DrawContext& c);

// Above zoom 2: the lines of list D, 2 pixels wide in plum.
void railwayPass(DrawContext& c);

// At every zoom: the lines of list E, 1 pixel, dash-dot-dot, in slate blue.
void powerLinePass(DrawContext& c);

// Above zoom 2: the deck of every bridge in its extra colour, drawn last over everything below;
// a railway bridge (grey 117) gets a wide grey deck with a white centre line over it.
void deckPass(DrawContext& c);

// The width of a bridge deck: zoom x wayWidth x 0.5 rounded, at most 8, less `inset`, 1 when
// below 2, and 1 for a way of a dashed style. The casing adds 6 above zoom 1.2.
int deckWidth(basic::Integer wayWidth, basic::Integer lineStyle, basic::Single viewZoom, int inset = 2);

} // namespace render
