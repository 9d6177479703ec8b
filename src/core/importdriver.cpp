#include "core/importdriver.h"

#include "basic/colour.h"
#include "core/progress.h"
#include "core/startup.h"
#include "import/fieldescape.h"
#include "import/filenames.h"
#include "import/importosm.h"
#include "import/projectwriter.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/hourglass.h"
#include "poi/categories.h"
#include "poi/countpanel.h"
#include "poi/fixmereport.h"
#include "render/reload.h"
#include "render/unloading.h"
#include "window/mapwindow.h"
#include "window/redrawrequest.h"
#include "window/resume.h"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

namespace core {
namespace {

using osmimport::ImportEnd;

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
    Global& g = map.global;
    MapData& d = map.data;
    Viewport& v = map.view;
    LegendPanel& options = map.legendPanel;
    v.tm2.setEnabled(false);
    d.questAreaCount = 0;
    d.loadNodes = 0;
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

    resumeNext([&] { render::unload_(map); });
    d.drawBusy = true;
    resumeNext([&] { cleartxt(map); });
    options.Check4.setEnabled(false);
    options.Frame2.setEnabled(false);
    resumeNext([&] { options.Check3.setValue(1); });
}

// The display options as the end of an import leaves them.
void enableDisplayOptions(MapWindow& map) {
    LegendPanel& options = map.legendPanel;
    options.Check3.setEnabled(map.global.authorOverlay == 0);
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
    map.data.drawBusy = false;
    map.view.p1.setVisible(true);
    map.view.p1.setEnabled(true);
    map.view.tm2.setEnabled(wheelTimer);
    map.data.mapLoading = false;
    platform::hourglassOff();
    map.global.quoteChar = '"';
}

// Below this size a project file is parsed before the map picture's pixels could be made beside
// it, and pixels made ahead would only cost the drawing a second clearing.
constexpr std::uintmax_t kPictureAheadBytes = std::uintmax_t{1} << 20;

// The project file, whole or not at all, under the OSM file's title in the data folder; only a
// file written whole becomes parsedPath. The FIXME list stays escaped in memory, as the FIXME
// report reads it. False, after its one message, when the file could not be written.
bool writeProjectFile(MapWindow& map, char quote) {
    Global& g = map.global;
    MapData& d = map.data;
    const std::string path = g.dataFolder + "/" + osmimport::ftrim(g.curFile) + ".vnk";
    // The drawing takes the map from the file just written, parsed once and kept, and parsed
    // while the file is flushed to disk: the import's own records go first, so that the map is
    // not held twice while the file is parsed, and so does its Other Nodes list, which can be as
    // large: the drawing takes the file's problem texts (cleartxt has set reloadTrailer).
    const bool drawsWays = d.wayCount > 0;
    const auto failed = osmimport::saveProjectFile(path, d, quote, [&](const std::string& written) {
        d.dropRecords();
        std::string().swap(d.otherNodesList);
        const auto parse = [&] { d.parsedFile.readWritten(written, path); };
        // The map picture's pixels are made meanwhile for a drawing that draws ways (a map of
        // nodes alone never draws on the picture, which then holds none), where the parse takes
        // longer than clearing the picture again, which the drawing starts with.
        std::error_code unknown;
        const std::uintmax_t bytes = std::filesystem::file_size(written, unknown);
        if (drawsWays && !unknown && bytes >= kPictureAheadBytes)
            map.view.p1.makePixelsWhile(parse);
        else
            parse();
    });
    if (failed) {
        d.parsedFile.forget();
        platform::dialogs().msgBox(*failed);
        return false;
    }
    g.parsedPath = path;
    g.fileVersion = d.fileVersion;
    d.fixmeList = osmimport::escapeField(d.fixmeList);
    return true;
}

// Nothing of a cancelled or unwritten import stays but its counts, which the count labels go on
// showing until the next file's: the drawing brings back the previous file, if any, and no FIXME
// report is made of what the user does not see.
void dropUnshownImport(MapWindow& map) {
    const auto shownCounts = map.data.countCaptions;
    static_cast<osmimport::ProjectData&>(map.data) = osmimport::ProjectData{};
    map.data.countCaptions = shownCounts;
    map.global.cancelRequested = false;
}

struct ImportOutcome {
    double counted = 0;   // the counted features, for the POI display
    bool written = false; // the project file was written: the new map is shown
};

// The whole import, then the project file. The OSM text and everything the import made from it
// are gone when the import returns, before the drawing reads the project file back. None when
// the import stopped before its node loop.
std::optional<ImportOutcome> importText(MapWindow& map, std::string osmText, const PhaseWatch& watch) {
    WindowImportListener listener(map, watch);
    const platform::PictureBox& p1 = map.view.p1;
    const osmimport::ImportSettings settings{map.global.progVersion, map.data.fileSizeMB, p1.scaleWidth(),
                                             p1.scaleHeight(), p1.backColor()};
    // The previous file's parsed copy goes: should the import fail, the drawing reads that file
    // again.
    map.data.parsedFile.forget();
    osmimport::ImportResult result = osmimport::importOsm(std::move(osmText), settings, listener);
    // The data model holds what the import made, as far as it came.
    static_cast<osmimport::ProjectData&>(map.data) = std::move(result.data);
    if (result.end == ImportEnd::EmptyText || result.end == ImportEnd::NoBounds ||
        result.end == ImportEnd::TooManyNodes)
        return std::nullopt;
    if (result.waysRead) resumeNext([&] { map.view.p1.setForeColor(0); });
    ImportOutcome outcome;
    for (const basic::Long count : map.data.countCaptions)
        outcome.counted += static_cast<double>(count);
    if (result.end == ImportEnd::Done) {
        watched(watch, "project file");
        outcome.written = writeProjectFile(map, result.quote);
    }
    if (!outcome.written) dropUnshownImport(map);
    return outcome;
}

void endSequence(MapWindow& map, double counted) {
    Global& g = map.global;
    MapData& d = map.data;
    Viewport& v = map.view;
    platform::hourglassOff();
    enableDisplayOptions(map);
    d.drawBusy = false;
    progr(map, 0);
    barvis(map, false);
    v.p1.setVisible(true);
    v.p1.setEnabled(true);

    g.settings.poiMode = 1;
    d.poiReplot = true;
    d.nonnCount = render::unnamedMarkerCount(d.noNameList);
    if (counted > kManyFeatures) g.settings.poiMode = 0;
    resumeNext([&] { poi::showicons(map, g.settings.poiMode); });
    g.quoteChar = '"';

    resumeNext([&] { poi::fixme(map); });
    resumeNext([&] { redrawMap(map); });
    resumeNext([&] { poi::showtot(map, 0); });
    v.tm2.setEnabled(true);
    map.progress.frm1.setVisible(false);
    d.mapLoading = false;
    platform::hourglassOff();
}

} // namespace

bool showmap(MapWindow& map, std::string osmText, const PhaseWatch& watch) {
    watched(watch, "set-up");
    const bool wheelTimer = map.view.tm2.enabled();
    setUp(map, osmText);
    if (osmText.empty()) {
        stopEarly(map, wheelTimer);
        return false;
    }
    map.progress.frm1.setVisible(true);
    // Hidden since start-up or the end of the last import: the bar grows with this one.
    barvis(map, true);
    resumeNext([&] { map.legendPanel.Check3.setValue(0); });
    letInputThrough();

    std::optional<ImportOutcome> outcome;
    try {
        outcome = importText(map, std::move(osmText), watch);
    } catch (...) {
        // A fault the import meets (memory that ran out) ends it as an early stop does, with the
        // window usable again; the caller reports it.
        dropUnshownImport(map);
        stopEarly(map, wheelTimer);
        throw;
    }
    if (!outcome) {
        stopEarly(map, wheelTimer);
        return false;
    }
    watched(watch, "end sequence");
    endSequence(map, outcome->counted);
    return outcome->written;
}

} // namespace core
