// Unloading what a drawing or an import loaded on the map picture.

#include "core/window_fixture.h"
#include "render/unloading.h"

#include <initializer_list>

namespace render::testing {
namespace {

using core::testing::WindowTest;

template <class T> void loadRange(platform::ControlArray<T>& array, int first, int last) {
    for (int i = first; i <= last; ++i)
        array.load(i);
}

// The counters of the window's run-time elements and totals with their rest values; the Long
// chainCount is checked apart.
// The counters are 16-bit, or 32-bit where the project file carries them: each row reads its
// counter as a long.
struct Counter {
    const char* name;
    long (*read)(const core::MapData&);
    long rest;
};

#define COUNTER(field, rest) {#field, [](const core::MapData& d) -> long { return d.field; }, rest}

const Counter kCounters[] = {
    COUNTER(pbCount, 1),
    COUNTER(pboxCount, 1),
    COUNTER(atmCount, 1),
    COUNTER(phoneCount, 1),
    COUNTER(petrolCount, 1),
    COUNTER(shape1Count, 1),
    COUNTER(busCount, 1),
    COUNTER(recycCount, 1),
    COUNTER(chrchCount, 1),
    COUNTER(toiletCount, 1),
    COUNTER(roundabCount, 1),
    COUNTER(parkCount, 1),
    COUNTER(trafficCount, 1),
    COUNTER(statCount, 1),
    COUNTER(hotelCount, 1),
    COUNTER(hospitCount, 1),
    COUNTER(schoolCount, 1),
    COUNTER(touriCount, 1),
    COUNTER(shoppCount, 1),
    COUNTER(amenCount, 1),
    COUNTER(histCount, 1),
    COUNTER(restaCount, 1),
    COUNTER(coffeCount, 1),
    COUNTER(pharmCount, 1),
    COUNTER(bankCount, 1),
    COUNTER(questCount, 1),
    COUNTER(quotCount, 1),
    COUNTER(shopCount, 1),
    COUNTER(labCount, 0),
    COUNTER(pylonCount, 0),
    COUNTER(nonnCount, 0),
    COUNTER(amenityTotal, 0),
    COUNTER(fireCount, 0),
    COUNTER(amenFlagLen, 0),
    COUNTER(lab2Count, 0),
    COUNTER(fixmeCount, 0),
    COUNTER(buildingCount, 0),
    COUNTER(questAreaCount, 0),
    COUNTER(chainExtraCount, 0),
    COUNTER(gpsCount, 0),
    COUNTER(gptCount, 0),
    COUNTER(addrCount, 0),
    COUNTER(linCount, 0),
};

void expectCountersAtRest(const core::MapData& d) {
    for (const Counter& counter : kCounters)
        EXPECT_EQ(counter.read(d), counter.rest) << counter.name;
    EXPECT_EQ(d.chainCount, 1);
}

TEST_F(WindowTest, WithNothingLoadedNothingChanges) {
    core::MapWindow& map = load();
    const core::Markers& m = map.markers;
    const int quests = m.quest.count();
    const int labels = m.lab2.count();
    unload_(map);
    expectCountersAtRest(map.data);
    EXPECT_EQ(m.quest.count(), quests);
    EXPECT_EQ(m.lab2.count(), labels);
    EXPECT_TRUE(m.quest.exists(1)); // the problem button stays
}

TEST_F(WindowTest, UnloadsEveryLoadedElementAndRestsTheCounters) {
    core::MapWindow& map = load();
    core::Markers& m = map.markers;
    core::MapData& d = map.data;
    // Three run-time elements in every array, from its first run-time index.
    auto fromTwo = [](auto& array, auto& counter) {
        loadRange(array, 2, 4);
        counter = 4;
    };
    auto fromOne = [](auto& array, auto& counter) {
        loadRange(array, 1, 3);
        counter = 3;
    };
    fromTwo(m.shape1, d.shape1Count);
    fromOne(m.addr, d.addrCount);
    fromTwo(m.bus, d.busCount);
    fromTwo(m.pb, d.pbCount);
    fromTwo(m.pbox, d.pboxCount);
    fromTwo(m.atm, d.atmCount);
    fromTwo(m.recyc, d.recycCount);
    fromOne(m.Lab, d.labCount);
    fromTwo(m.chrch, d.chrchCount);
    fromTwo(m.phone, d.phoneCount);
    fromTwo(m.toilet, d.toiletCount);
    fromTwo(m.petrol, d.petrolCount);
    fromTwo(m.roundab, d.roundabCount);
    fromTwo(m.park, d.parkCount);
    fromTwo(m.traffic, d.trafficCount);
    fromOne(m.pylon, d.pylonCount);
    fromTwo(m.stat, d.statCount);
    fromTwo(m.hotel, d.hotelCount);
    fromTwo(m.hospit, d.hospitCount);
    fromTwo(m.school, d.schoolCount);
    fromTwo(m.touri, d.touriCount);
    fromTwo(m.amen, d.amenCount);
    fromTwo(m.shop, d.shopCount);
    fromTwo(m.shopp, d.shoppCount);
    fromTwo(m.hist, d.histCount);
    fromTwo(m.resta, d.restaCount);
    fromOne(m.nonn, d.nonnCount);
    fromOne(m.fire, d.fireCount);
    fromTwo(m.pharm, d.pharmCount);
    fromTwo(m.coffe, d.coffeCount);
    fromTwo(m.bank, d.bankCount);
    fromTwo(m.quest, d.questCount);
    fromTwo(m.chain, d.chainCount);
    fromOne(m.lab2, d.lab2Count);
    fromOne(m.gps, d.gpsCount);
    fromOne(m.Lin, d.linCount);
    fromOne(m.gpt, d.gptCount);
    loadRange(m.Lin2, 1, 3); // the track lines go with the track points' counter
    fromTwo(m.quot, d.quotCount);
    // The route's point markers and the search arrows are not unload_'s.
    loadRange(m.plt, 1, 2);
    loadRange(m.pointr, 1, 2);
    for (basic::Long* total :
         {&d.amenityTotal, &d.fixmeCount, &d.buildingCount, &d.questAreaCount, &d.chainExtraCount})
        *total = 9;
    d.amenFlagLen = 9;
    for (int i = 0; i < 3; ++i)
        m.List2[i].addItem("120");
    d.trailerText = "trailer";

    unload_(map);

    expectCountersAtRest(d);
    EXPECT_TRUE(d.trailerText.empty());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(m.List2[i].listCount(), 0) << i;
    // Only the elements made with the window remain: 0 and 1, or 0 alone.
    auto expectDesignOnly = [](const auto& array, int designElements) {
        EXPECT_EQ(array.count(), designElements) << array.name();
        EXPECT_EQ(array.ubound(), designElements - 1) << array.name();
    };
    for (const core::ImageArray* array :
         {&m.shape1, &m.pb,      &m.pbox,  &m.atm,   &m.recyc,  &m.chrch,  &m.phone, &m.toilet, &m.petrol,
          &m.park,   &m.traffic, &m.stat,  &m.hotel, &m.hospit, &m.school, &m.touri, &m.amen,   &m.shop,
          &m.shopp,  &m.hist,    &m.resta, &m.pharm, &m.coffe,  &m.bank,   &m.quest, &m.chain,  &m.quot})
        expectDesignOnly(*array, array == &m.shape1 ? 1 : 2);
    expectDesignOnly(m.bus, 2);
    for (const core::ImageArray* array : {&m.addr, &m.roundab, &m.pylon, &m.nonn, &m.fire, &m.gps})
        expectDesignOnly(*array, 1);
    expectDesignOnly(m.Lab, 1);
    expectDesignOnly(m.lab2, 1);
    expectDesignOnly(m.Lin, 1);
    expectDesignOnly(m.gpt, 1);
    expectDesignOnly(m.Lin2, 1);
    EXPECT_EQ(m.plt.count(), 3);
    EXPECT_EQ(m.pointr.count(), 3);
}

TEST_F(WindowTest, ElementsAlreadyGoneArePassedOver) {
    core::MapWindow& map = load();
    core::Markers& m = map.markers;
    core::MapData& d = map.data;
    loadRange(m.quest, 2, 3);
    d.questCount = 6; // 4..6 were never loaded
    loadRange(m.lab2, 2, 2);
    d.lab2Count = 3; // 1 and 3 are missing
    d.chainCount = 32767;
    unload_(map);
    EXPECT_EQ(m.quest.count(), 2);
    EXPECT_EQ(m.lab2.count(), 1);
    expectCountersAtRest(d);
}

// Only the listed counters rest: the route, the GPX store, the search arrows and the notes keep
// their counts.
TEST_F(WindowTest, CountersNotListedKeepTheirValues) {
    core::MapWindow& map = load();
    core::MapData& d = map.data;
    d.pointrCount = 3;
    d.pltCount = 2;
    d.routeCount = 2;
    d.gpxCount = 5;
    d.noteCount = 4;
    d.nodeCount = 7;
    d.questCount = 2;
    map.markers.quest.load(2);
    unload_(map);
    EXPECT_EQ(d.pointrCount, 3);
    EXPECT_EQ(d.pltCount, 2);
    EXPECT_EQ(d.routeCount, 2);
    EXPECT_EQ(d.gpxCount, 5);
    EXPECT_EQ(d.noteCount, 4);
    EXPECT_EQ(d.nodeCount, 7);
    EXPECT_EQ(d.questCount, 1);
}

} // namespace
} // namespace render::testing
