#pragma once
// The control arrays whose elements are loaded on the map picture `p1` at run time: POI icons,
// problem markers, search arrows, route and GPX markers and lines, and labels. Element 0 of each
// is the hidden template on `p1` that every loaded element copies. For the POI categories
// element 1 is the button on the legend strip; for `quest`, `quot`, `chain` and `amen` it is the
// problem button in the left strip. The hidden lists `List2(0..2)` hold the area labels' x, y
// and text width.

#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/lightweight_image.h"
#include "platform/lightweight_label.h"
#include "platform/lightweight_shape.h"
#include "platform/listbox.h"
#include "platform/picturebox.h"
#include "window/sidestrips.h"
#include "window/viewport.h"

namespace core {

// Element 0 of every marker array: the hidden template each loaded element copies.
inline constexpr int kMarkerTemplate = 0;
// The area-label lists List2(0..2).
inline constexpr int kLabelXList = 0;
inline constexpr int kLabelYList = 1;
inline constexpr int kLabelWidthList = 2;

using ImageArray = platform::ControlArray<platform::ImageControl>;

struct Markers {
    Markers(platform::Form& form, Viewport& view, SideStrips& strips);

    // POI categories: template and legend button.
    ImageArray chrch{"chrch"};
    ImageArray pb{"pb"};
    ImageArray phone{"phone"};
    ImageArray pbox{"pbox"};
    ImageArray park{"park"};
    ImageArray bus{"bus"};
    ImageArray school{"school"};
    ImageArray toilet{"toilet"};
    ImageArray shop{"shop"};
    ImageArray shopp{"shopp"};
    ImageArray atm{"atm"};
    ImageArray bank{"bank"};
    ImageArray petrol{"petrol"};
    ImageArray hospit{"hospit"};
    ImageArray pharm{"pharm"};
    ImageArray hotel{"hotel"};
    ImageArray hist{"hist"};
    ImageArray touri{"touri"};
    ImageArray recyc{"recyc"};
    ImageArray coffe{"coffe"};
    ImageArray resta{"resta"};
    ImageArray stat{"stat"};
    ImageArray traffic{"traffic"}; // its button (hidden) toggles the cafe category
    // POI kinds with a template only.
    ImageArray addr{"addr"};
    ImageArray fire{"fire"};
    ImageArray roundab{"roundab"};
    ImageArray pylon{"pylon"};
    // Problem markers; element 1 is the problem button (chain's is hidden).
    ImageArray amen{"amen"};
    ImageArray quest{"quest"};
    ImageArray quot{"quot"};
    ImageArray chain{"chain"};
    ImageArray shape1{"shape1"};
    ImageArray nonn{"nonn"};
    // Search arrows, route and GPX.
    ImageArray pointr{"pointr"};
    ImageArray plt{"plt"};
    platform::ControlArray<platform::LineControl> Lin{"Lin"};
    ImageArray gps{"gps"};
    platform::ControlArray<platform::ShapeControl> gpt{"gpt"};
    platform::ControlArray<platform::LineControl> Lin2{"Lin2"};
    // Labels on the map.
    platform::ControlArray<platform::LabelControl> Lab{"Lab"};
    platform::ControlArray<platform::LabelControl> lab2{"lab2"};
    platform::ControlArray<platform::ListBox> List2{"List2"};
};

} // namespace core
