// Unloading what a drawing or an import loaded on the map picture.

#include "core/window_fixture.h"
#include "poi/unloading.h"

#include <initializer_list>

namespace poi::testing {
namespace {

using core::testing::WindowTest;

template <class T> void loadRange(platform::ControlArray<T>& array, int first, int last) {
    for (int i = first; i <= last; ++i)
        array.load(i);
}

// The counters of the window's run-time elements and totals with their rest values; the Long
// chainCount is checked apart.
struct Counter {
    const char* name;
    basic::Integer core::MapData::*member;
    basic::Integer rest;
};

const Counter kCounters[] = {
    {"pbCount", &core::MapData::pbCount, 1},
    {"pboxCount", &core::MapData::pboxCount, 1},
    {"atmCount", &core::MapData::atmCount, 1},
    {"phoneCount", &core::MapData::phoneCount, 1},
    {"petrolCount", &core::MapData::petrolCount, 1},
    {"shape1Count", &core::MapData::shape1Count, 1},
    {"busCount", &core::MapData::busCount, 1},
    {"recycCount", &core::MapData::recycCount, 1},
    {"chrchCount", &core::MapData::chrchCount, 1},
    {"toiletCount", &core::MapData::toiletCount, 1},
    {"roundabCount", &core::MapData::roundabCount, 1},
    {"parkCount", &core::MapData::parkCount, 1},
    {"trafficCount", &core::MapData::trafficCount, 1},
    {"statCount", &core::MapData::statCount, 1},
    {"hotelCount", &core::MapData::hotelCount, 1},
    {"hospitCount", &core::MapData::hospitCount, 1},
    {"schoolCount", &core::MapData::schoolCount, 1},
    {"touriCount", &core::MapData::touriCount, 1},
    {"shoppCount", &core::MapData::shoppCount, 1},
    {"amenCount", &core::MapData::amenCount, 1},
    {"histCount", &core::MapData::histCount, 1},
    {"restaCount", &core::MapData::restaCount, 1},
    {"coffeCount", &core::MapData::coffeCount, 1},
    {"pharmCount", &core::MapData::pharmCount, 1},
    {"bankCount", &core::MapData::bankCount, 1},
    {"questCount", &core::MapData::questCount, 1},
    {"quotCount", &core::MapData::quotCount, 1},
    {"shopCount", &core::MapData::shopCount, 1},
    {"labCount", &core::MapData::labCount, 0},
    {"pylonCount", &core::MapData::pylonCount, 0},
    {"nonnCount", &core::MapData::nonnCount, 0},
    {"amenityTotal", &core::MapData::amenityTotal, 0},
    {"fireCount", &core::MapData::fireCount, 0},
    {"amenFlagLen", &core::MapData::amenFlagLen, 0},
    {"lab2Count", &core::MapData::lab2Count, 0},
    {"fixmeCount", &core::MapData::fixmeCount, 0},
    {"buildingCount", &core::MapData::buildingCount, 0},
    {"questAreaCount", &core::MapData::questAreaCount, 0},
    {"chainExtraCount", &core::MapData::chainExtraCount, 0},
    {"gpsCount", &core::MapData::gpsCount, 0},
    {"gptCount", &core::MapData::gptCount, 0},
    {"addrCount", &core::MapData::addrCount, 0},
    {"linCount", &core::MapData::linCount, 0},
};

void expectCountersAtRest(const core::MapData& d) {
    for (const Counter& counter : kCounters)
        EXPECT_EQ(d.*counter.member, counter.rest) << counter.name;
    EXPECT_EQ(d.chainCount, 1);
}

TEST_F(WindowTest, WithNothingLoadedNothingChanges) {
    core::MapWindow& map = load();
    const core::Markers& m = map.markers;
    const int quests = m.quest.count();
    const int labels = m.lab2.count();
    unload_(map, 0);
    expectCountersAtRest(map.d);
    EXPECT_EQ(m.quest.count(), quests);
    EXPECT_EQ(m.lab2.count(), labels);
    EXPECT_TRUE(m.quest.exists(1)); // the problem button stays
}

TEST_F(WindowTest, UnloadsEveryLoadedElementAndRestsTheCounters) {
    core::MapWindow& map = load();
    core::Markers& m = map.markers;
    core::MapData& d = map.d;
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
    for (basic::Integer* total : {&d.amenityTotal, &d.amenFlagLen, &d.fixmeCount, &d.buildingCount,
                                  &d.questAreaCount, &d.chainExtraCount})
        *total = 9;
    for (int i = 0; i < 3; ++i)
        m.List2[i].addItem("120");
    d.trailerText = "trailer";

    unload_(map, 0);

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
    core::MapData& d = map.d;
    loadRange(m.quest, 2, 3);
    d.questCount = 6; // 4..6 were never loaded
    loadRange(m.lab2, 2, 2);
    d.lab2Count = 3; // 1 and 3 are missing
    d.chainCount = 32767;
    unload_(map, 0);
    EXPECT_EQ(m.quest.count(), 2);
    EXPECT_EQ(m.lab2.count(), 1);
    expectCountersAtRest(d);
}

} // namespace
} // namespace poi::testing
