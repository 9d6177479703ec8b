#include "poi/reopenproblemlist.h"

#include "poi/problemlistopen.h"
#include "window/mapwindow.h"

namespace poi {
namespace {

constexpr int kHighestKind = 9;
constexpr int kNeverSet = 6;

} // namespace

void reopenProblemList(core::MapWindow& map) {
    const int kind = map.data.listKind;
    if (kind < 1 || kind > kHighestKind || kind == kNeverSet) return;
    openProblemList(map, static_cast<ProblemList>(kind));
}

} // namespace poi
