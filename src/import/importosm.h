#pragma once
// The whole import in one call, without a window: the names, the bounds and the nodes with their
// classification, the ways with their checks and labels, the final statistics, and the project
// data ready for the writer. The main window, the fuzz target, the benchmark (through the
// window) and the golden tests all run it; each hears of it through one listener.

#include "import/finalstats.h"
#include "import/importclient.h"
#include "import/importrun.h"
#include "import/nodeclass_step.h"
#include "import/projectdata.h"
#include "import/wayphase_markers.h"

#include <optional>
#include <string>

namespace osmimport {

// Messages, phases, progress and cancel (ImportClient); the count labels as their counts change
// and the width of a label caption in the map's font (the phases' sinks).
class ImportListener : public ImportClient, public NodeClassSink, public WayPhaseSink, public FinalStatsSink {
public:
    // The node loop is over and the way phase starts from `data`.
    virtual void nodesRead(const ProjectData& data) = 0;
};

struct ImportResult {
    ImportEnd end = ImportEnd::EmptyText; // Done when every phase ran
    bool waysRead = false;                // the way phase ran to its end (a cancel may come later)
    char quote = '"';                     // the quote character the file is written with
    ProjectData data;                     // complete when end is Done; the counts are in countCaptions
};

// Imports osmText. The text and everything made from it are freed before this returns; only the
// project data are left. The user's cancel is asked for at every node and way and once more after
// the final statistics. plan shares the node and way phases among the cores (unset: as this
// machine allows); the result is the same whatever it says.
ImportResult importOsm(std::string osmText, const ImportSettings& settings, ImportListener& listener,
                       const std::optional<basic::ChunkPlan>& plan = std::nullopt);

} // namespace osmimport
