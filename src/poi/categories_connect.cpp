#include "poi/categories_connect.h"

#include "poi/bubble.h"
#include "poi/categories.h"
#include "poi/problemgoto.h"
#include "window/mapwindow.h"

namespace poi {
namespace {

using core::ImageArray;
using core::Markers;

enum class Event { Click, MouseDown };

constexpr int kNoCategory = -1;
constexpr int kNoBubble = -1;

// A category array: the event it answers, the category its buttons (elements 0 and 1) toggle,
// and the first element whose click shows a bubble.
struct CategoryArray {
    ImageArray Markers::*array;
    Event event;
    int category;
    int bubbleFrom;
};

constexpr CategoryArray kArrays[] = {
    {&Markers::chrch, Event::MouseDown, 0, 2},
    {&Markers::pb, Event::MouseDown, 1, 2},
    {&Markers::phone, Event::Click, 2, kNoBubble},
    {&Markers::pbox, Event::Click, 3, kNoBubble},
    {&Markers::park, Event::Click, 4, 2},
    {&Markers::school, Event::MouseDown, 6, 2},
    {&Markers::toilet, Event::Click, 7, kNoBubble},
    {&Markers::shop, Event::MouseDown, 8, 2},
    {&Markers::shopp, Event::Click, 9, 2},
    {&Markers::atm, Event::Click, 10, 2},
    {&Markers::bank, Event::MouseDown, 11, 2},
    {&Markers::petrol, Event::MouseDown, 12, 2},
    {&Markers::hospit, Event::Click, 13, 2},
    {&Markers::pharm, Event::MouseDown, 14, 2},
    {&Markers::hotel, Event::MouseDown, 15, 2},
    {&Markers::hist, Event::MouseDown, 16, 2},
    {&Markers::touri, Event::MouseDown, 17, 2},
    {&Markers::recyc, Event::Click, 18, kNoBubble},
    {&Markers::coffe, Event::MouseDown, kCafeCategory, 2},
    // The traffic-signal button shares the cafe category.
    {&Markers::traffic, Event::Click, kCafeCategory, kNoBubble},
    {&Markers::resta, Event::MouseDown, kRestaurantCategory, 2},
    {&Markers::addr, Event::Click, kNoCategory, 1},
    {&Markers::fire, Event::Click, kNoCategory, 1},
    {&Markers::stat, Event::MouseDown, kNoCategory, 2},
    {&Markers::roundab, Event::Click, kNoCategory, kNoBubble},
};

constexpr int kBusCategory = 5;

template <class Array>
void pressed(core::MapWindow& map, Array& array, int index, int category, int bubbleFrom) {
    if (bubbleFrom != kNoBubble && index >= bubbleFrom)
        bubl(map, array[index]);
    else if (index < 2 && category != kNoCategory)
        toggleCategory(map, category);
}

} // namespace

void connectCategoryHandlers(core::MapWindow& map) {
    for (const CategoryArray& row : kArrays) {
        ImageArray& array = map.markers.*row.array;
        auto handler = [&map, &array, row](int index) {
            pressed(map, array, index, row.category, row.bubbleFrom);
        };
        if (row.event == Event::Click)
            array.onClick = handler;
        else
            array.onMouseDown = [handler](int index, int, int, double, double) { handler(index); };
    }
    auto& bus = map.markers.bus;
    bus.onMouseDown = [&map, &bus](int index, int, int, double, double) {
        pressed(map, bus, index, kBusCategory, 2);
    };
    map.legendStrip.Image1.onClick = [&map] { toggleCategory(map, kAddressCategory); };
    map.legendStrip.Label13.onMouseDown = [&map](int index, int, int, double, double) {
        Label13_MouseDown(map, index);
    };
    map.menus.mviw.onClick = [&map](int index) { mviw_Click(map, index); };
    map.view.bub.onMouseDown = [&map](int, int, double, double) { map.view.bub.setVisible(false); };
    map.view.bubtxt.onMouseDown = [&map](int, int, double, double) { map.view.bub.setVisible(false); };
    map.markers.pointr.onMouseDown = [&map](int, int, int, double, double) { pointr_MouseDown(map); };
}

} // namespace poi
