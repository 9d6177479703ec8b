#pragma once
// The control arrays loaded at run time, each with the counter of its highest loaded element and
// the counter's value at rest, `start`: elements 0..start are made with the window, the loaded
// ones run from start + 1 up to the counter. Unloading, "Hide Errors" and the GPX import walk
// this one table, each over the kinds it clears.

#include "window/mapdata.h"
#include "window/markers.h"

#include <type_traits>

namespace core {

enum class MarkerKind {
    Poi,         // a POI category's icons, and the unnamed-feature markers
    Problem,     // the problem markers of the drawing ("Hide Errors" removes them)
    FileProblem, // the problem markers the project file lists, which "Hide Errors" removes too
    Label,       // the POI and area labels
    RouteLine,   // the route's segments
    Gpx,         // the GPX import's waypoints, track points and track lines
};

// Calls visit(array, counter, start, kind) for every array, in the order unloading takes them.
template <class Visit> void forEachMarkerArray(Markers& m, MapData& d, Visit&& visit) {
    using K = MarkerKind;
    visit(m.shape1, d.shape1Count, 1, K::Problem);
    visit(m.addr, d.addrCount, 0, K::Poi);
    visit(m.bus, d.busCount, 1, K::Poi);
    visit(m.pb, d.pbCount, 1, K::Poi);
    visit(m.pbox, d.pboxCount, 1, K::Poi);
    visit(m.atm, d.atmCount, 1, K::Poi);
    visit(m.recyc, d.recycCount, 1, K::Poi);
    visit(m.Lab, d.labCount, 0, K::Label);
    visit(m.chrch, d.chrchCount, 1, K::Poi);
    visit(m.phone, d.phoneCount, 1, K::Poi);
    visit(m.toilet, d.toiletCount, 1, K::Poi);
    visit(m.petrol, d.petrolCount, 1, K::Poi);
    visit(m.roundab, d.roundabCount, 1, K::Poi);
    visit(m.park, d.parkCount, 1, K::Poi);
    visit(m.traffic, d.trafficCount, 1, K::Poi);
    visit(m.pylon, d.pylonCount, 0, K::Poi);
    visit(m.stat, d.statCount, 1, K::Poi);
    visit(m.hotel, d.hotelCount, 1, K::Poi);
    visit(m.hospit, d.hospitCount, 1, K::Poi);
    visit(m.school, d.schoolCount, 1, K::Poi);
    visit(m.touri, d.touriCount, 1, K::Poi);
    visit(m.amen, d.amenCount, 1, K::Poi);
    visit(m.shop, d.shopCount, 1, K::Poi);
    visit(m.shopp, d.shoppCount, 1, K::Poi);
    visit(m.hist, d.histCount, 1, K::Poi);
    visit(m.resta, d.restaCount, 1, K::Poi);
    visit(m.nonn, d.nonnCount, 0, K::Poi);
    visit(m.fire, d.fireCount, 0, K::Poi);
    visit(m.pharm, d.pharmCount, 1, K::Poi);
    visit(m.coffe, d.coffeCount, 1, K::Poi);
    visit(m.bank, d.bankCount, 1, K::Poi);
    visit(m.quest, d.questCount, 1, K::FileProblem);
    visit(m.chain, d.chainCount, 1, K::FileProblem);
    visit(m.lab2, d.lab2Count, 0, K::Label);
    visit(m.gps, d.gpsCount, 0, K::Gpx);
    visit(m.Lin, d.linCount, 0, K::RouteLine);
    visit(m.gpt, d.gptCount, 0, K::Gpx);
    visit(m.Lin2, d.gptCount, 0, K::Gpx); // a track line ends at each track point
    visit(m.quot, d.quotCount, 1, K::FileProblem);
}

// Unloads the loaded elements of every array whose kind `pick(kind)` takes, in the table's order,
// then brings their counters to rest (a counter two arrays share, after both).
template <class Pick> void unloadMarkers(Markers& m, MapData& d, Pick&& pick) {
    forEachMarkerArray(m, d, [&](auto& array, auto& counter, int start, MarkerKind kind) {
        if (pick(kind)) array.unloadLoaded(start + 1, counter);
    });
    forEachMarkerArray(m, d, [&](auto&, auto& counter, int start, MarkerKind kind) {
        if (pick(kind)) counter = static_cast<std::remove_reference_t<decltype(counter)>>(start);
    });
}

inline void unloadMarkers(Markers& m, MapData& d, MarkerKind only) {
    unloadMarkers(m, d, [only](MarkerKind kind) { return kind == only; });
}

} // namespace core
