#pragma once
// The main window's side of the way phase and the final statistics: the count labels that
// follow the problem markers, the width of area labels in the map picture's font, and waiting
// window events let through while the final statistics walk the ways.

#include "import/finalstats.h"
#include "import/wayphase_markers.h"

namespace core {

class MapWindow;

class WindowWaySink final : public osmimport::WayPhaseSink, public osmimport::FinalStatsSink {
public:
    explicit WindowWaySink(MapWindow& map) : map_(map) {}

    void caption(int label, basic::Long value) override;
    basic::Single textWidth(std::string_view text) override;
    void letEventsThrough() override;
    void questCaption(basic::Long caption) override;

private:
    MapWindow& map_;
};

} // namespace core
