#pragma once
// The line passes of the Planning Sheet, in the order it draws them after the areas: all ways of
// draw class 1..9 wide in their draw colours, the waterways, the bridge casings, every plain way
// over them in its own colour with the author labels, and the bridge decks. The railway and
// power-line lists are not drawn on the sheet; railways are drawn by the general pass, dashed
// white. Segments are drawn where both nodes are valid; only files of 600 MB and more leave out
// segments that start outside the way window.

#include "basic/numbers.h"

namespace render {

class DrawContext;

// Pen width of a way in the all-ways pass: wayWidth, above 1 times zoom x 0.5 rounded; below 7
// it becomes 7, or 1 for a dashed way (style 1); at most 13.
int sheetOuterWidth(basic::Integer wayWidth, basic::Integer lineStyle, basic::Single viewZoom);

// Pen width of a way in the general pass: 2 for a railway; else wayWidth, above 1 times zoom x
// 0.3 rounded; below 5 it becomes 5 for a solid way, 1 for another and 3 for a track; at most 8;
// then less 3, at least 1.
int sheetInnerWidth(basic::Integer wayWidth, basic::Integer lineStyle, double colour, basic::Single viewZoom);

// Draw class 1..9 ways that are no area and not white, red or magenta, in their draw colour.
void sheetAllWaysPass(DrawContext& c);
// The ways of list C in water blue.
void sheetWaterwayPass(DrawContext& c);
// Under each bridge of list B a casing 4 pixels wider than its deck, light grey under dashed ways
// and dark violet under solid ones.
void sheetCasingPass(DrawContext& c);
// Every way of a colour that is no area and not on list C, in its colour (black when dashed or
// white) and pen style; the author label at its middle segment while the author overlay is on;
// railways again dashed white.
void sheetGeneralPass(DrawContext& c);
// The deck of each bridge in pale grey, in the way's pen style; a railway bridge's again in a
// white line.
void sheetDeckPass(DrawContext& c);

} // namespace render
