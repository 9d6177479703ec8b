#pragma once
// The main window's side of an import: messages as message boxes, the phase caption in the
// progress panel, progress through progr, and the node loop's cancel test, which lets waiting
// window events through on a time basis and reads the flag that "Cancel" sets.

#include "import/importclient.h"

#include <functional>
#include <string_view>

namespace core {

class MapWindow;

// Told the caption of every phase as it starts; a benchmark times the phases with it.
using PhaseWatch = std::function<void(std::string_view phase)>;

class WindowImportClient final : public osmimport::ImportClient {
public:
    // watch may be empty.
    WindowImportClient(MapWindow& map, PhaseWatch watch);

    void message(std::string_view text) override;
    // The caption goes into `Label9`; pending events are then processed once, so it shows.
    void phase(std::string_view caption) override;
    void progress(int percent) override;
    // The map picture takes no input, the scroll bars stand at half, the load clock starts
    // and the hourglass shows.
    void nodeLoopStarts(basic::Long nodeCount, basic::Single loadRate) override;
    bool cancelRequested() override;

private:
    MapWindow& map_;
    PhaseWatch watch_;
};

} // namespace core
