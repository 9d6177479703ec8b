#include "core/scroll.h"

#include "window/mapwindow.h"

namespace core {
namespace {

constexpr double kVerticalOrigin = kVerticalScrollOrigin;

} // namespace

void hs_Change(MapWindow& map) {
    map.view.p1.setLeft(-map.view.hs.value());
}

void VS_Change(MapWindow& map) {
    map.view.p1.setTop(kVerticalOrigin - map.view.VS.value());
}

void connectScrollBars(MapWindow& map) {
    platform::ScrollBar& hs = map.view.hs;
    platform::ScrollBar& vs = map.view.VS;
    hs.onChange = [&map] { hs_Change(map); };
    hs.onScroll = [&map] { hs_Change(map); };
    vs.onChange = [&map] { VS_Change(map); };
    vs.onScroll = [&map] { VS_Change(map); };
}

} // namespace core
