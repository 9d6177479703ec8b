#include "render/unloading.h"

#include "window/mapwindow.h"

namespace render {

void unload_(core::MapWindow& map, basic::Integer) {
    core::Markers& m = map.markers;
    core::MapData& d = map.d;
    m.shape1.unloadLoaded(2, d.shape1Count);
    m.addr.unloadLoaded(1, d.addrCount);
    m.bus.unloadLoaded(2, d.busCount);
    m.pb.unloadLoaded(2, d.pbCount);
    m.pbox.unloadLoaded(2, d.pboxCount);
    m.atm.unloadLoaded(2, d.atmCount);
    m.recyc.unloadLoaded(2, d.recycCount);
    m.Lab.unloadLoaded(1, d.labCount);
    m.chrch.unloadLoaded(2, d.chrchCount);
    m.phone.unloadLoaded(2, d.phoneCount);
    m.toilet.unloadLoaded(2, d.toiletCount);
    m.petrol.unloadLoaded(2, d.petrolCount);
    m.roundab.unloadLoaded(2, d.roundabCount);
    m.park.unloadLoaded(2, d.parkCount);
    m.traffic.unloadLoaded(2, d.trafficCount);
    m.pylon.unloadLoaded(1, d.pylonCount);
    m.stat.unloadLoaded(2, d.statCount);
    m.hotel.unloadLoaded(2, d.hotelCount);
    m.hospit.unloadLoaded(2, d.hospitCount);
    m.school.unloadLoaded(2, d.schoolCount);
    m.touri.unloadLoaded(2, d.touriCount);
    m.amen.unloadLoaded(2, d.amenCount);
    m.shop.unloadLoaded(2, d.shopCount);
    m.shopp.unloadLoaded(2, d.shoppCount);
    m.hist.unloadLoaded(2, d.histCount);
    m.resta.unloadLoaded(2, d.restaCount);
    m.nonn.unloadLoaded(1, d.nonnCount);
    m.fire.unloadLoaded(1, d.fireCount);
    m.pharm.unloadLoaded(2, d.pharmCount);
    m.coffe.unloadLoaded(2, d.coffeCount);
    m.bank.unloadLoaded(2, d.bankCount);
    m.quest.unloadLoaded(2, d.questCount);
    m.chain.unloadLoaded(2, d.chainCount);
    m.lab2.unloadLoaded(1, d.lab2Count);
    m.gps.unloadLoaded(1, d.gpsCount);
    m.Lin.unloadLoaded(1, d.linCount);
    d.linCount = 0;
    m.gpt.unloadLoaded(1, d.gptCount);
    m.Lin2.unloadLoaded(1, d.gptCount);
    m.quot.unloadLoaded(2, d.quotCount);

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
         {&d.labCount, &d.pylonCount, &d.nonnCount, &d.fireCount, &d.amenFlagLen, &d.gpsCount, &d.gptCount,
          &d.addrCount})
        *counter = 0;
    // So are the counts of placed markers, which no control array bounds.
    for (basic::Long* counter :
         {&d.amenityTotal, &d.lab2Count, &d.fixmeCount, &d.buildingCount, &d.questAreaCount, &d.chainExtraCount})
        *counter = 0;
    d.trailerText.clear();
}

} // namespace render
