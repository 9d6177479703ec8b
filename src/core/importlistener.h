#pragma once
// The main window's side of an import: messages as message boxes, the phase caption in the
// progress panel, progress through progr, the cancel test, which lets waiting window events
// through on a time basis and reads the flag that "Cancel" sets, the counts on the count labels
// `numb`, and label widths measured in the map picture's font.

#include "import/importosm.h"

#include <functional>
#include <string_view>

namespace core {

class MapWindow;

// Told the caption of every phase as it starts; a benchmark times the phases with it.
using PhaseWatch = std::function<void(std::string_view phase)>;

class WindowImportListener final : public osmimport::ImportListener {
public:
    // watch may be empty.
    WindowImportListener(MapWindow& map, PhaseWatch watch);

    void message(std::string_view text) override;
    // The caption goes into `Label9`; pending events are then processed once, so it shows.
    void phase(std::string_view caption) override;
    void progress(int percent) override;
    // The map picture takes no input, the scroll bars stand at half, the load clock starts
    // and the hourglass shows.
    void nodeLoopStarts(basic::Long nodeCount, basic::Single loadRate) override;
    bool cancelRequested() override;

    // The count labels show the node phase's FIXMEs, node markers and notes.
    void nodesRead(const osmimport::ProjectData& data) override;
    void count(int label, basic::Long total) override;
    // numb(27) shows the empty-tag markers before this one.
    void emptyTagCounted(basic::Long quotCountBefore) override;
    // numb(29) shows the "?" markers before this one, less those of areas.
    void bridgeCounted(basic::Long questCountBefore) override;
    void caption(int label, basic::Long value) override;
    basic::Single textWidth(std::string_view text) override;
    void letEventsThrough() override;
    void questCaption(basic::Long caption) override;

private:
    MapWindow& map_;
    PhaseWatch watch_;
};

} // namespace core
