#include "core/progress.h"

#include "basic/clock.h"
#include "basic/numtext.h"
#include "platform/events.h"
#include "window/mapwindow.h"
#include "window/resume.h"

#include <algorithm>
#include <cmath>

namespace core {
namespace {

constexpr double kSlowLoadRate = 1.5;
constexpr double kSlowThreshold = 81;
constexpr double kThreshold = 70;
// Above this many nodes the node-based estimate never shows less than 3 seconds.
constexpr basic::Long kLargeFileNodes = 20000;

// The remaining seconds as minutes, ":" and two-digit seconds: 125 gives "2:05".
std::string minutesAndSeconds(long long rest) {
    const long long seconds = rest % 60;
    return std::to_string(rest / 60) + (seconds < 10 ? ":0" : ":") + std::to_string(seconds);
}

} // namespace

std::optional<ProgressTexts> progressTexts(double percent, double elapsed, basic::Single loadRate,
                                           basic::Long nodeCount) {
    if (!(percent > 0)) return std::nullopt;
    percent = std::min(percent, 100.0);
    elapsed = std::max(elapsed, 0.0);

    long long rest;
    if (percent > (loadRate > kSlowLoadRate ? kSlowThreshold : kThreshold)) {
        // Past the threshold the estimate is at most 3/7 of the elapsed time: no overflow.
        rest = static_cast<long long>(basic::roundHalfEven(elapsed / percent * (100 - percent)));
    } else {
        // The rate is a Single: 0.9 is a little below 0.9, so 10000 nodes give 8 seconds.
        rest = static_cast<long long>(std::floor(static_cast<double>(loadRate) * nodeCount / 1000) -
                                      std::floor(elapsed));
        if (rest < 1) rest = 1;
        if (nodeCount > kLargeFileNodes && rest == 1) rest = 3;
    }
    return ProgressTexts{percent / 100, minutesAndSeconds(rest),
                         "Total Time:" + basic::str(std::floor(elapsed)) + " sec"};
}

void progr(MapWindow& map, double percent) {
    platform::doEvents();
    ProgressPanel& panel = map.progress;
    const auto texts = progressTexts(percent, basic::monotonicSeconds() - map.global.loadStart,
                                     map.data.loadRate, map.data.loadNodes);
    if (!texts) {
        resumeNextWithMessage([&] { panel.Label6.setCaption(""); });
        return;
    }
    resumeNextWithMessage([&] { panel.progimage.setWidth(panel.backprog.width() * texts->barFraction); });
    resumeNextWithMessage([&] { panel.Label6.setCaption(texts->remaining); });
    resumeNextWithMessage([&] { map.view.sb1.setPanelText(3, texts->totalTime); });
}

void ablemenus(MapWindow& map, bool enabled) {
    Menus& m = map.menus;
    for (platform::Menu* menu : {&m.mfil, &m.medi, &m.mrout, &m.mv, &m.mhelp, &m.mintt})
        menu->setEnabled(enabled);
}

void Command2_Click(MapWindow& map) {
    map.global.cancelRequested = true;
}

} // namespace core
