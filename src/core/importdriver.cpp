#include "core/importdriver.h"

#include "basic/colour.h"
#include "basic/numtext.h"
#include "core/importclassify.h"
#include "core/importways.h"
#include "core/progress.h"
#include "core/startup.h"
#include "import/filenames.h"
#include "import/importrun.h"
#include "import/nodeclass_hook.h"
#include "import/projectwriter.h"
#include "import/swap.h"
#include "import/wayphase.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/hourglass.h"
#include "poi/categories.h"
#include "poi/countpanel.h"
#include "poi/fixmereport.h"
#include "render/redraw.h"
#include "render/reload.h"
#include "render/unloading.h"
#include "window/geodesy.h"
#include "window/mapwindow.h"
#include "window/resume.h"

#include <utility>

namespace core {
namespace {

using osmimport::ImportEnd;

constexpr int kCountCaptions = osmimport::kCountCaptions; // numb(0) .. numb(23)
// Count labels the way phase sets from the node phase's counters.
constexpr int kFixmeLabel = 32;
constexpr int kTagMarkerLabel = 28;
constexpr int kNoteLabel = 33;
// Above this many counted features the POI icons start hidden.
constexpr double kManyFeatures = 100;

void watched(const PhaseWatch& watch, std::string_view phase) {
    if (watch) watch(phase);
}

void letInputThrough() {
    if (platform::inputPending()) platform::doEvents();
}

// Everything an import starts from, up to the empty-text test.
void setUp(MapWindow& map, std::string_view osmText) {
    Global& g = map.g;
    MapData& d = map.d;
    Viewport& v = map.view;
    LegendPanel& options = map.legendPanel;
    v.tm2.setEnabled(false);
    d.questAreaCount = 0;
    letInputThrough();
    map.progress.Label9.setCaption("parsing names...");
    v.sb1.setPanelText(3, "");
    // The working lists, the counters and the node-id index start afresh with the import's data.
    d.mapLoading = true;
    ablemenus(map, false);

    g.quoteChar = osmimport::detectQuote(osmText);
    platform::hourglassOn();
    v.p1.setVisible(false);
    v.p1.setAutoRedraw(true);
    g.cancelRequested = false;
    resumeNext([&] { options.Check4.setValue(0); });
    v.p1.cls();
    v.bubtxt.setVisible(false);
    v.p1.setFillColor(basic::rgb(128, 128, 128));
    if (!d.authorSelected) options.List1.clear();
    v.p1.setForeColor(basic::rgb(0, 0, 0));
    v.p1.setFontSize(8);

    resumeNext([&] { render::unload_(map, 0); });
    d.drawBusy = true;
    resumeNext([&] { cleartxt(map); });
    options.Check4.setEnabled(false);
    options.Frame2.setEnabled(false);
    resumeNext([&] { options.Check3.setValue(1); });
}

// The display options as the end of an import leaves them.
void enableDisplayOptions(MapWindow& map) {
    LegendPanel& options = map.legendPanel;
    options.Check3.setEnabled(map.g.authorOverlay == 0);
    options.Check4.setEnabled(true);
    options.Frame2.setEnabled(true);
}

// An import that stops before its node loop leaves the program as usable as before it: not
// busy, the map picture shown and taking input, the wheel timer as it was, the display options
// enabled. Nothing is written, so parsedPath still names the previous project file.
void stopEarly(MapWindow& map, bool wheelTimer) {
    progr(map, 0);
    map.progress.frm1.setVisible(false);
    enableDisplayOptions(map);
    map.d.drawBusy = false;
    map.view.p1.setVisible(true);
    map.view.p1.setEnabled(true);
    map.view.tm2.setEnabled(wheelTimer);
    map.d.mapLoading = false;
    platform::hourglassOff();
    map.g.quoteChar = '"';
}

// "parsing highways..." and "Final bits ...": the count labels first show the node phase's
// counts, then the ways are read, checked and labelled, and the final statistics look at them
// all. False when the user cancelled: the import is then abandoned.
bool wayAndFinalPhases(MapWindow& map, const osmimport::OsmImport& import, osmimport::ImportClient& client,
                       const osmimport::PoiClassification& classification) {
    auto& numb = map.legendStrip.numb;
    MapData& d = map.d;
    numb[kFixmeLabel].setCaption(basic::dec(d.fixmeCount));
    numb[kTagMarkerLabel].setCaption(basic::dec(static_cast<basic::Long>(d.shape1Count) - 1));
    numb[kNoteLabel].setCaption(basic::dec(d.noteCount));
    client.phase("parsing highways...");

    Viewport& v = map.view;
    osmimport::WayPhaseSettings settings;
    settings.quote = import.quoteChar();
    settings.hasAuthorship = import.hasAuthorship();
    settings.fileSizeMB = d.fileSizeMB;
    settings.scaleWidth = v.p1.scaleWidth();
    settings.scaleHeight = v.p1.scaleHeight();
    settings.backColour = v.p1.backColor();
    settings.lastNodeDescription = classification.lastDescription();
    WindowWaySink sink(map);
    osmimport::WayPhase ways(import.waySection(), settings, import.nodeIds(), client, sink);
    if (ways.run(d) == osmimport::WayPhaseEnd::Cancelled) return false;

    resumeNext([&] { v.p1.setForeColor(0); });
    sink.letEventsThrough();
    client.phase("Final bits ...");
    osmimport::markUnconnectedWays(d, ways.wayPieces(), sink);
    osmimport::markStationsWithoutPlatforms(d, classification.stations(), ways.platformPosList(),
                                            d.questAreaCount, distance, sink);
    ways.prepareProjectFile(d);
    return !map.g.cancelRequested;
}

// The project file, whole or not at all, under the OSM file's title in the data folder. The
// FIXME list stays escaped in memory, as the FIXME report reads it.
void writeProjectFile(MapWindow& map, char quote) {
    Global& g = map.g;
    MapData& d = map.d;
    g.parsedPath = g.dataFolder + "/" + osmimport::ftrim(g.curFile) + ".vnk";
    for (int k = 0; k < kCountCaptions; ++k)
        resumeNext([&] { d.countCaptions[static_cast<size_t>(k)] = basic::clng(poi::labelCount(map, k)); });
    if (const auto failed = osmimport::saveProjectFile(g.parsedPath, d, quote))
        platform::dialogs().msgBox(*failed);
    else
        g.fileVersion = d.fileVersion;
    d.fixmeList = osmimport::swap(d.fixmeList, osmimport::kEscape);
}

// The phases from the names to the project file. The OSM text and everything the import made
// from it are released when this returns, before the drawing reads the project file back.
// False when the import stopped before its node loop.
bool importText(MapWindow& map, std::string osmText, const PhaseWatch& watch) {
    WindowImportClient client(map, watch);
    const osmimport::ImportSettings settings{map.g.progVersion, map.d.fileSizeMB, map.view.p1.scaleWidth()};
    osmimport::OsmImport import(std::move(osmText), settings, client);
    // Node classification joins the node loop through the run's classifier hook.
    WindowClassSink classSink(map);
    osmimport::PoiClassification classification(import, classSink);
    const ImportEnd end = import.run(map.d, &classification);
    if (end == ImportEnd::EmptyText || end == ImportEnd::NoBounds || end == ImportEnd::TooManyNodes)
        return false;
    // A cancel that came after the node loop still writes nothing.
    if (end == ImportEnd::NodesRead && wayAndFinalPhases(map, import, client, classification)) {
        import.releaseText(); // everything the file needs is in the data now
        watched(watch, "project file");
        writeProjectFile(map, import.quoteChar());
    }
    if (map.g.cancelRequested) {
        // Nothing of a cancelled import stays: the drawing brings back the previous file, if any.
        static_cast<osmimport::ProjectData&>(map.d) = osmimport::ProjectData{};
        map.g.cancelRequested = false;
    }
    return true;
}

void endSequence(MapWindow& map) {
    Global& g = map.g;
    MapData& d = map.d;
    Viewport& v = map.view;
    platform::hourglassOff();
    enableDisplayOptions(map);
    d.drawBusy = false;
    progr(map, 0);
    barvis(map, false);
    v.p1.setVisible(true);
    v.p1.setEnabled(true);

    double counted = 0;
    for (int k = 0; k < kCountCaptions; ++k)
        resumeNext([&] { counted += poi::labelCount(map, k); });
    g.settings.poiMode = 1;
    d.poiReplot = true;
    d.nonnCount = render::unnamedMarkerCount(d.noNameList);
    if (counted > kManyFeatures) g.settings.poiMode = 0;
    resumeNext([&] { poi::showicons(map, g.settings.poiMode); });
    g.quoteChar = '"';

    resumeNext([&] { poi::fixme(map); });
    resumeNext([&] { render::redraw(map); });
    resumeNext([&] { poi::showtot(map, 0); });
    v.tm2.setEnabled(true);
    map.progress.frm1.setVisible(false);
    d.mapLoading = false;
    platform::hourglassOff();
}

} // namespace

void showmap(MapWindow& map, std::string osmText, const PhaseWatch& watch) {
    watched(watch, "set-up");
    const bool wheelTimer = map.view.tm2.enabled();
    setUp(map, osmText);
    if (osmText.empty()) {
        stopEarly(map, wheelTimer);
        return;
    }
    map.progress.frm1.setVisible(true);
    resumeNext([&] { map.legendPanel.Check3.setValue(0); });
    letInputThrough();

    if (!importText(map, std::move(osmText), watch)) {
        stopEarly(map, wheelTimer);
        return;
    }
    watched(watch, "end sequence");
    endSequence(map);
}

} // namespace core
