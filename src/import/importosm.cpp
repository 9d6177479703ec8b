#include "import/importosm.h"

#include "import/geodesy.h"
#include "import/nodeclass_hook.h"
#include "import/wayphase.h"

#include <utility>

namespace osmimport {
namespace {

// "parsing highways..." and "Final bits ...": the ways are read, checked and labelled, and the
// final statistics look at them all.
void wayAndFinalPhases(const OsmImport& import, const ImportSettings& settings,
                       const std::optional<basic::ChunkPlan>& plan, const PoiClassification& classification,
                       ImportListener& listener, ImportResult& result) {
    ProjectData& data = result.data;
    listener.nodesRead(data);
    listener.phase("parsing highways...");

    WayPhaseSettings ways;
    ways.quote = import.quoteChar();
    ways.hasAuthorship = import.hasAuthorship();
    ways.fileSizeMB = data.fileSizeMB;
    ways.scaleWidth = settings.scaleWidth;
    ways.scaleHeight = settings.scaleHeight;
    ways.backColour = settings.backColour;
    ways.plan = plan;
    WayPhase phase(import.text(), ways, import.nodeIds(), listener, listener);
    if (phase.run(data) == WayPhaseEnd::Cancelled) {
        result.end = ImportEnd::Cancelled;
        return;
    }
    result.waysRead = true;

    listener.letEventsThrough();
    listener.phase("Final bits ...");
    markUnconnectedWays(data, phase.wayPieces(), listener);
    markStationsWithoutPlatforms(data, classification.stations(), phase.platformPosList(),
                                 data.questAreaCount, distance, listener);
    phase.prepareProjectFile(data);
    result.end = listener.cancelRequested() ? ImportEnd::Cancelled : ImportEnd::Done;
}

} // namespace

ImportResult importOsm(std::string osmText, const ImportSettings& settings, ImportListener& listener,
                       const std::optional<basic::ChunkPlan>& plan) {
    ImportResult result;
    OsmImport import(std::move(osmText), settings, listener);
    import.setPlan(plan);
    // Node classification joins the node loop through the run's classifier hook.
    PoiClassification classification(import, listener);
    result.end = import.run(result.data, &classification);
    result.quote = import.quoteChar();
    if (result.end == ImportEnd::NodesRead)
        wayAndFinalPhases(import, settings, plan, classification, listener, result);
    return result;
}

} // namespace osmimport
