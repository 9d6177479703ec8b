// The window's side of node classification: counts on the count labels.

#include "core/importclassify.h"
#include "window_fixture.h"

namespace core::testing {
namespace {

using ImportClassifyTest = WindowTest;

TEST_F(ImportClassifyTest, CountsAndMarkerCaptionsGoToTheCountLabels) {
    MapWindow& map = load();
    auto& numb = map.legendStrip.numb;
    WindowClassSink sink(map);

    numb[2].setCaption("5");
    sink.count(2);
    EXPECT_EQ(numb[2].caption(), "6");
    // No 16-bit ceiling on a count.
    numb[23].setCaption("32767");
    sink.count(23);
    EXPECT_EQ(numb[23].caption(), "32768");

    sink.emptyTagCounted(40000);
    EXPECT_EQ(numb[27].caption(), "40000");

    map.d.questAreaCount = 2;
    sink.bridgeCounted(5);
    EXPECT_EQ(numb[29].caption(), "3");
}

} // namespace
} // namespace core::testing
