// The scroll bars place the map picture inside its container.

#include "core/scroll.h"
#include "core/startup.h"
#include "core/window_fixture.h"

namespace core::testing {
namespace {

using ScrollTest = WindowTest;

TEST_F(ScrollTest, ValuesPlaceTheMapPicture) {
    MapWindow& map = load();
    struct Case {
        int hs, vs;
        double left, top;
    };
    for (const Case& c : {Case{0, 0, 0, 100}, Case{100, 100, -100, 0}, Case{4005, 250, -4005, -150},
                          Case{8010, map.view.VS.max(), -8010, 100.0 - map.view.VS.max()}}) {
        map.view.hs.setValue(c.hs);
        map.view.VS.setValue(c.vs);
        EXPECT_EQ(map.view.p1.left(), c.left) << c.hs;
        EXPECT_EQ(map.view.p1.top(), c.top) << c.vs;
    }
}

TEST_F(ScrollTest, AssignedValuesPlaceThePictureWhileBusy) {
    MapWindow& map = load();
    map.data.drawBusy = true;
    map.view.hs.setValue(300);
    map.view.VS.setValue(40);
    EXPECT_EQ(map.view.p1.left(), -300);
    EXPECT_EQ(map.view.p1.top(), 60);
}

TEST_F(ScrollTest, FirstActivationCentresTheMapPicture) {
    MapWindow& map = load();
    Form_Activate(map);
    EXPECT_EQ(map.view.p1.left(), -4005);
    EXPECT_EQ(map.view.p1.top(), 100 - map.view.VS.value());
}

} // namespace
} // namespace core::testing
