#include "core/importclient.h"

#include "basic/clock.h"
#include "basic/numbers.h"
#include "core/progress.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/hourglass.h"
#include "window/mapwindow.h"
#include "window/resume.h"

#include <string>
#include <utility>

namespace core {

WindowImportClient::WindowImportClient(MapWindow& map, PhaseWatch watch)
    : map_(map), watch_(std::move(watch)) {}

void WindowImportClient::message(std::string_view text) {
    platform::dialogs().msgBox(text);
}

void WindowImportClient::phase(std::string_view caption) {
    if (watch_) watch_(caption);
    map_.progress.Label9.setCaption(std::string(caption));
    platform::doEvents();
}

void WindowImportClient::progress(int percent) {
    progr(map_, percent);
}

void WindowImportClient::nodeLoopStarts(basic::Long, basic::Single loadRate) {
    Viewport& v = map_.view;
    map_.d.mapLoading = true;
    v.p1.setEnabled(false);
    // Each assignment runs the bar's change handler, which places p1 in its container.
    resumeNext([&] { v.VS.setValue(basic::cint(v.VS.max() / 2.0)); });
    resumeNext([&] { v.hs.setValue(basic::cint(v.hs.max() / 2.0)); });
    map_.d.loadRate = loadRate;
    map_.g.loadStart = basic::monotonicSeconds();
    platform::hourglassOn();
}

bool WindowImportClient::cancelRequested() {
    if (platform::inputPending()) platform::doEvents();
    return map_.g.cancelRequested;
}

} // namespace core
