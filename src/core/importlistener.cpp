#include "core/importlistener.h"

#include "basic/clock.h"
#include "basic/numbers.h"
#include "basic/numtext.h"
#include "core/progress.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/hourglass.h"
#include "window/countlabels.h"
#include "window/mapwindow.h"
#include "window/resume.h"

#include <string>
#include <utility>

namespace core {
namespace {

constexpr int kEmptyTagLabel = 27;
constexpr int kTagMarkerLabel = 28;
constexpr int kQuestLabel = 29;
constexpr int kFixmeLabel = 32;
constexpr int kNoteLabel = 33;

} // namespace

WindowImportListener::WindowImportListener(MapWindow& map, PhaseWatch watch)
    : map_(map), watch_(std::move(watch)) {}

void WindowImportListener::message(std::string_view text) {
    platform::dialogs().msgBox(text);
}

void WindowImportListener::phase(std::string_view caption) {
    if (watch_) watch_(caption);
    map_.progress.Label9.setCaption(std::string(caption));
    platform::doEvents();
}

void WindowImportListener::progress(int percent) {
    progr(map_, percent);
}

void WindowImportListener::nodeLoopStarts(basic::Long nodeCount, basic::Single loadRate) {
    Viewport& v = map_.view;
    map_.data.mapLoading = true;
    v.p1.setEnabled(false);
    // Each assignment runs the bar's change handler, which places p1 in its container.
    resumeNext([&] { v.VS.setValue(basic::cint(v.VS.max() / 2.0)); });
    resumeNext([&] { v.hs.setValue(basic::cint(v.hs.max() / 2.0)); });
    map_.data.loadRate = loadRate;
    map_.data.loadNodes = nodeCount;
    map_.global.loadStart = basic::monotonicSeconds();
    platform::hourglassOn();
}

bool WindowImportListener::cancelRequested() {
    if (platform::inputPending()) platform::doEvents();
    return map_.global.cancelRequested;
}

void WindowImportListener::nodesRead(const osmimport::ProjectData& data) {
    caption(kFixmeLabel, data.fixmeCount);
    caption(kTagMarkerLabel, static_cast<basic::Long>(map_.data.shape1Count) - 1);
    caption(kNoteLabel, data.noteCount);
}

void WindowImportListener::count(int label, basic::Long total) {
    showCount(map_, label, total);
}

void WindowImportListener::emptyTagCounted(basic::Long quotCountBefore) {
    caption(kEmptyTagLabel, quotCountBefore);
}

void WindowImportListener::bridgeCounted(basic::Long questCountBefore) {
    caption(kQuestLabel, questCountBefore - map_.data.questAreaCount);
}

void WindowImportListener::caption(int label, basic::Long value) {
    map_.legendStrip.numb[label].setCaption(basic::dec(value));
}

basic::Single WindowImportListener::textWidth(std::string_view text) {
    return static_cast<basic::Single>(map_.view.p1.textWidth(text));
}

void WindowImportListener::letEventsThrough() {
    if (platform::inputPending()) platform::doEvents();
}

void WindowImportListener::questCaption(basic::Long caption) {
    this->caption(osmimport::kQuestCaption, caption);
}

} // namespace core
