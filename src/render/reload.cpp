#include "render/reload.h"

#include "basic/numtext.h"
#include "window/countlabels.h"
#include "window/mapwindow.h"
#include "window/markertable.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace render {
namespace {

using basic::Long;
using osmimport::ProjectData;

// The highest index a control array element can have.
constexpr Long kHighestElement = 32767;
// Below this zoom the markers of unnamed features are not drawn.
constexpr basic::Single kUnnamedMarkerZoom = 1.2f;
constexpr basic::Integer kHideErrors = 1;

// The problem texts T11..T19 of the trailer.
void swapProblemTexts(ProjectData& a, ProjectData& b) {
    using std::swap;
    swap(a.hiddenAreaList, b.hiddenAreaList);
    swap(a.fixmeList, b.fixmeList);
    swap(a.amenityList, b.amenityList);
    swap(a.trailerText, b.trailerText);
    swap(a.otherNodesList, b.otherNodesList);
    swap(a.areaRecordList, b.areaRecordList);
    swap(a.unclosedAreaList, b.unclosedAreaList);
    swap(a.emptyTagList, b.emptyTagList);
}

// The FIXME and note counts, the notes and the count captions.
void swapNotesAndCounts(ProjectData& a, ProjectData& b) {
    using std::swap;
    swap(a.fixmeCount, b.fixmeCount);
    swap(a.noteList, b.noteList);
    swap(a.noteCount, b.noteCount);
    swap(a.countCaptions, b.countCaptions);
}

// The items read only while reloadTrailer is set: the problem texts, their counts and the count
// captions.
void swapTrailer(ProjectData& a, ProjectData& b) {
    swapProblemTexts(a, b);
    swapNotesAndCounts(a, b);
    std::swap(a.placeList, b.placeList);
}

// The items the Planning Sheet leaves as the data model holds them: the marker counters (at rest,
// as it draws no problem markers), the FIXME and note counts, the notes, the count captions, and
// the problem texts when heldTexts.
void swapSheetKept(ProjectData& a, ProjectData& b, bool heldTexts) {
    using std::swap;
    swap(a.questCount, b.questCount);
    swap(a.quotCount, b.quotCount);
    swap(a.chainCount, b.chainCount);
    swapNotesAndCounts(a, b);
    if (heldTexts) swapProblemTexts(a, b);
}

// Element `index`, loaded when it is not there yet.
template <class T> T& element(platform::ControlArray<T>& array, int index) {
    return array.exists(index) ? array[index] : array.load(index);
}

// Markers 2..count with their texts as Tag.
void loadMarkers(core::ImageArray& markers, Long count, const std::vector<std::string>& texts) {
    const Long last = std::min(count, kHighestElement);
    for (Long j = 2; j <= last; ++j)
        element(markers, static_cast<int>(j)).setTag(texts[static_cast<size_t>(j - 2)]);
}

void loadLabels(core::Markers& m, const std::vector<osmimport::LabelRecord>& labels) {
    const Long last = std::min(static_cast<Long>(labels.size()), kHighestElement);
    for (Long k = 1; k <= last; ++k) {
        const osmimport::LabelRecord& label = labels[static_cast<size_t>(k - 1)];
        element(m.lab2, static_cast<int>(k)).setCaption(label.caption);
        m.List2[core::kLabelXList].addItem(basic::dec(label.x));
        m.List2[core::kLabelYList].addItem(basic::dec(label.y));
        m.List2[core::kLabelWidthList].addItem(basic::dec(label.width));
    }
}

// "Hide Errors" draws no problem markers: they go again and their lists and counts are emptied.
void hideErrors(core::MapWindow& map) {
    core::MapData& d = map.data;
    core::Markers& m = map.markers;
    using core::MarkerKind;
    core::unloadMarkers(
        m, d, [](MarkerKind k) { return k == MarkerKind::Problem || k == MarkerKind::FileProblem; });
    // The file's problem lists count 0 then: no list at all.
    core::forEachMarkerArray(m, d, [](auto&, auto& counter, int, MarkerKind kind) {
        if (kind == MarkerKind::FileProblem) counter = 0;
    });
    d.noNameList.clear();
    d.quotList.clear();
}

void showCountCaptions(core::MapWindow& map) {
    core::MapData& d = map.data;
    core::showCounts(map);
    map.global.settings.poiMode = 0;
    d.nonnCount = unnamedMarkerCount(d.noNameList);
}

// The data model becomes the file's, all but the shop count: the file's is the import's count
// of shops, while the one in memory counts the loaded shop markers. The parsed copy is assigned
// over the data model, whose arrays keep their storage; the records are not copied but lent by
// the parsed copy, and so is the Other Nodes list when the model takes the file's problem texts.
void assignProject(core::MapWindow& map, const ProjectData& file, bool problemTexts) {
    core::MapData& d = map.data;
    const Long shopCount = d.shopCount;
    d.parsedFile.assign(d, file, problemTexts);
    d.mapRead = true;
    d.shopCount = shopCount;
    map.global.fileVersion = d.fileVersion;
    loadLabels(map.markers, d.labels);
}

} // namespace

basic::Integer unnamedMarkerCount(std::string_view noNameList) {
    if (noNameList.empty()) return -1;
    const auto hashes = std::count(noNameList.begin(), noNameList.end(), '#');
    return static_cast<basic::Integer>(std::min<std::ptrdiff_t>(hashes, kHighestElement));
}

const ProjectData& readProject(core::MapWindow& map) {
    return map.data.parsedFile.read(map.global.parsedPath);
}

bool takeProject(core::MapWindow& map, const ProjectData& file) {
    core::Global& g = map.global;
    core::MapData& d = map.data;
    // Without the trailer, the data model keeps its own trailer items.
    ProjectData kept;
    if (!g.reloadTrailer) swapTrailer(kept, d);
    assignProject(map, file, g.reloadTrailer);
    if (!g.reloadTrailer) swapTrailer(kept, d);

    if (g.viewZoom >= kUnnamedMarkerZoom)
        d.nonnCount = unnamedMarkerCount(d.noNameList);
    else
        d.noNameList.clear();
    loadMarkers(map.markers.chain, d.chainCount, d.chainTexts);
    loadMarkers(map.markers.quot, d.quotCount, d.quotTexts);
    loadMarkers(map.markers.quest, d.questCount, d.questTexts);
    const bool countsRead = g.reloadTrailer;
    if (countsRead) showCountCaptions(map);
    if (d.mapMode == kHideErrors) hideErrors(map);
    return countsRead;
}

void takeProjectForSheet(core::MapWindow& map, const ProjectData& file) {
    core::MapData& d = map.data;
    // The problem texts are taken only while none are held; the counts, the notes and the count
    // captions are not read. The place names are always the file's, as they name its nodes.
    const bool heldTexts = !d.hiddenAreaList.empty();
    ProjectData kept;
    swapSheetKept(kept, d, heldTexts);
    assignProject(map, file, !heldTexts);
    swapSheetKept(kept, d, heldTexts);
    // The sheet shows no problem markers: their lists go.
    d.quotList.clear();
    d.questList.clear();
    d.chainList.clear();
    d.noNameList.clear();
    d.chainTexts.clear();
    d.quotTexts.clear();
    d.questTexts.clear();
    map.global.reloadTrailer = true;
}

} // namespace render
