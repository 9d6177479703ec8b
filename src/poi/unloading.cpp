#include "poi/unloading.h"

#include "core/mapwindow.h"

#include <algorithm>

namespace poi {
namespace {

// Unloads elements first..last of `array` that are loaded.
template <class T> void unloadRange(platform::ControlArray<T>& array, int first, long long last) {
    const int end = static_cast<int>(std::min<long long>(last, array.ubound()));
    for (int i = first; i <= end; ++i) {
        if (array.exists(i)) array.unload(i);
    }
}

} // namespace

void unload_(core::MapWindow& map, basic::Integer) {
    core::Markers& m = map.markers;
    core::MapData& d = map.d;
    unloadRange(m.shape1, 2, d.shape1Count);
    unloadRange(m.addr, 1, d.addrCount);
    unloadRange(m.bus, 2, d.busCount);
    unloadRange(m.pb, 2, d.pbCount);
    unloadRange(m.pbox, 2, d.pboxCount);
    unloadRange(m.atm, 2, d.atmCount);
    unloadRange(m.recyc, 2, d.recycCount);
    unloadRange(m.Lab, 1, d.labCount);
    unloadRange(m.chrch, 2, d.chrchCount);
    unloadRange(m.phone, 2, d.phoneCount);
    unloadRange(m.toilet, 2, d.toiletCount);
    unloadRange(m.petrol, 2, d.petrolCount);
    unloadRange(m.roundab, 2, d.roundabCount);
    unloadRange(m.park, 2, d.parkCount);
    unloadRange(m.traffic, 2, d.trafficCount);
    unloadRange(m.pylon, 1, d.pylonCount);
    unloadRange(m.stat, 2, d.statCount);
    unloadRange(m.hotel, 2, d.hotelCount);
    unloadRange(m.hospit, 2, d.hospitCount);
    unloadRange(m.school, 2, d.schoolCount);
    unloadRange(m.touri, 2, d.touriCount);
    unloadRange(m.amen, 2, d.amenCount);
    unloadRange(m.shop, 2, d.shopCount);
    unloadRange(m.shopp, 2, d.shoppCount);
    unloadRange(m.hist, 2, d.histCount);
    unloadRange(m.resta, 2, d.restaCount);
    unloadRange(m.nonn, 1, d.nonnCount);
    unloadRange(m.fire, 1, d.fireCount);
    unloadRange(m.pharm, 2, d.pharmCount);
    unloadRange(m.coffe, 2, d.coffeCount);
    unloadRange(m.bank, 2, d.bankCount);
    unloadRange(m.quest, 2, d.questCount);
    unloadRange(m.chain, 2, d.chainCount);
    unloadRange(m.lab2, 1, d.lab2Count);
    unloadRange(m.gps, 1, d.gpsCount);
    unloadRange(m.Lin, 1, d.linCount);
    d.linCount = 0;
    unloadRange(m.gpt, 1, d.gptCount);
    unloadRange(m.Lin2, 1, d.gptCount);
    unloadRange(m.quot, 2, d.quotCount);

    // All three, the widths too: a width left over would go into the next project file.
    for (int i = 0; i < 3; ++i)
        m.List2[i].clear();

    for (basic::Integer* counter :
         {&d.pbCount,      &d.pboxCount,  &d.atmCount,   &d.phoneCount,  &d.petrolCount,  &d.shape1Count,
          &d.busCount,     &d.recycCount, &d.chrchCount, &d.toiletCount, &d.roundabCount, &d.parkCount,
          &d.trafficCount, &d.statCount,  &d.hotelCount, &d.hospitCount, &d.schoolCount,  &d.touriCount,
          &d.shoppCount,   &d.amenCount,  &d.histCount,  &d.restaCount,  &d.coffeCount,   &d.pharmCount,
          &d.bankCount})
        *counter = 1;
    // The counters the project file carries are 32-bit in memory.
    for (basic::Long* counter : {&d.questCount, &d.quotCount, &d.shopCount, &d.chainCount})
        *counter = 1;
    for (basic::Integer* counter :
         {&d.labCount, &d.pylonCount, &d.nonnCount, &d.fireCount, &d.amenFlagLen, &d.questAreaCount,
          &d.chainExtraCount, &d.gpsCount, &d.gptCount, &d.addrCount})
        *counter = 0;
    for (basic::Long* counter : {&d.amenityTotal, &d.lab2Count, &d.fixmeCount, &d.buildingCount})
        *counter = 0;
    d.trailerText.clear();
}

} // namespace poi
