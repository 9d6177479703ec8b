#include "poi/chkfrm.h"

#include "core/mapwindow.h"

#include <array>
#include <stdexcept>
#include <string>

namespace poi {
namespace {

constexpr int kHighestKind = 9;
constexpr int kNeverSet = 6;

std::array<PanelOpener, kHighestKind + 1>& openers() {
    static std::array<PanelOpener, kHighestKind + 1> table{};
    return table;
}

bool isListKind(int kind) {
    return kind >= 1 && kind <= kHighestKind && kind != kNeverSet;
}

} // namespace

void registerPanelOpener(basic::Integer kind, PanelOpener opener) {
    if (!isListKind(kind)) throw std::invalid_argument("no problem list of kind " + std::to_string(kind));
    openers()[static_cast<size_t>(kind)] = opener;
}

void chkfrm(core::MapWindow& map) {
    const int kind = map.d.listKind;
    if (!isListKind(kind)) return;
    if (PanelOpener opener = openers()[static_cast<size_t>(kind)]) opener(map);
}

} // namespace poi
