#pragma once
// The display options of the side panel: street names (Check1 and its label Label12), area tags
// (Check4), all authors (Check2), dates (Check5), the author list List1 and the date filter box
// Text6. Every handler changes its setting and draws the map anew while the still copy p2 keeps
// the last picture in front; p2 goes once the new picture is done.

namespace core {
class MapWindow;
}

namespace render {

// Shows or hides the area labels lab2(1..lab2Count) in the label font fontNames(kLabelFont) ("Arial"
// when that name is shorter than 3 characters), then redraws. Failing steps are skipped.
void showlabels(core::MapWindow& map, bool show);

// Street names follow Check1; streetNames takes its value after the redraw.
void Check1_MouseUp(core::MapWindow& map);
// Toggles Check1 and streetNames, then redraws; not while a file is imported.
void Label12_MouseDown(core::MapWindow& map);
// "All Authors": ticked, drops the chosen author and labels every author (authorOverlay -1);
// unticked, no author labels (0). Nothing without a file or while a drawing runs; a fault shows
// its description and the handler goes on.
void Check2_MouseUp(core::MapWindow& map);
// Only redraws.
void Check3_MouseUp(core::MapWindow& map);
// "Area Tags": showlabels with whether Check4 is ticked.
void Check4_MouseUp(core::MapWindow& map);
// "Show Dates": dates only (-2) when ticked without author labels, back to none (0) when
// unticked from dates only; author labels (-1) stay either way.
void Check5_MouseUp(core::MapWindow& map);
// Chooses the double-clicked author (authorFilter, authorOverlay -1), or drops the choice when
// it is the chosen one again (back to none, or dates only with "Show Dates" ticked); unticks
// "All Authors". A double click with no item chosen does nothing.
void List1_DblClick(core::MapWindow& map);
// Enter applies the date filter; other keys reach the box unchanged.
void Text6_KeyPress(core::MapWindow& map, int& keyAscii);

// Connects the handlers above to their controls.
void connectDisplayOptions(core::MapWindow& map);

} // namespace render
