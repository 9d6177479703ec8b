// redraw_bench PROJECT.vnk [OUT.png]: draws a project file headless through the main window as
// opening it from the File menu does (view reset to zoom 1.4, count captions read), then draws
// it again five times as a pan or zoom does. Prints the time of the reload and of every pass of
// the first drawing and the median of the later ones, and saves the part of the map picture the
// viewport shows as OUT.png when asked. Messages go to stderr. Exits 0 when the file was drawn.

#include "basic/clock.h"
#include "platform/dialogs_stderr.h"
#include "platform/paths.h"
#include "platform/screen.h"
#include "render/redraw.h"
#include "render/snap.h"
#include "window/mapwindow.h"
#include "window/viewwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Lap {
    std::string step;
    double seconds;
};

// The laps between the steps a drawing reports.
std::vector<Lap> timedRedraw(core::MapWindow& map) {
    std::vector<Lap> laps;
    std::string step;
    double started = 0;
    render::redraw(map, [&](std::string_view next) {
        const double now = basic::monotonicSeconds();
        if (!step.empty()) laps.push_back({step, now - started});
        step = std::string(next);
        started = now;
    });
    return laps;
}

double total(const std::vector<Lap>& laps) {
    double sum = 0;
    for (const Lap& lap : laps)
        sum += lap.seconds;
    return sum;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printLap(const std::string& what, double first, double later) {
    std::printf("  %-18s %9.1f ms %9.1f ms\n", what.c_str(), first * 1000, later * 1000);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: redraw_bench PROJECT.vnk [OUT.png]\n");
        return 2;
    }
    const std::string project = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath().toStdString();
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fprintf(stderr, "redraw_bench: no temporary folder\n");
        return 2;
    }
    // A program folder of its own, so that no settings file of an installed program is read.
    platform::setAppPathForTests(scratch.path().toStdString() + "/program");
    platform::setDialogs(std::make_unique<platform::StderrDialogs>());
    // The window laid out as on a 1920 x 1080 screen.
    platform::injectScreenSize({1920 * 15, 1080 * 15});
    auto map = std::make_unique<core::MapWindow>();
    map->form.load();

    map->g.curFile = project;
    core::init(*map);
    map->g.parsedPath = project;
    map->g.reloadTrailer = true;
    const std::vector<Lap> first = timedRedraw(*map);
    const bool drawn = map->d.nodeCount > 0 || map->d.wayCount > 0;

    constexpr int kRepeats = 5;
    std::map<std::string, std::vector<double>> later;
    std::vector<double> totals;
    for (int k = 0; k < kRepeats; ++k) {
        const std::vector<Lap> laps = timedRedraw(*map);
        for (const Lap& lap : laps)
            later[lap.step].push_back(lap.seconds);
        totals.push_back(total(laps));
    }

    std::printf("%s: %d nodes, %d ways, %.2f MB source, zoom %.1f\n", project.c_str(), map->d.nodeCount,
                map->d.wayCount, static_cast<double>(map->d.fileSizeMB),
                static_cast<double>(map->g.viewZoom));
    std::printf("  %-18s %12s %12s\n", "step", "first", "median of 5");
    for (const Lap& lap : first)
        printLap(lap.step, lap.seconds, later.contains(lap.step) ? median(later[lap.step]) : 0);
    printLap("total", total(first), median(totals));

    if (argc == 3) {
        render::paintShownMap(*map, 0, 0);
        const QImage& shown = map->view.p2.image();
        if (!shown.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
            std::fprintf(stderr, "redraw_bench: can't write %s\n", argv[2]);
            return 1;
        }
        std::printf("visible map: %s (%d x %d)\n", argv[2], shown.width(), shown.height());
    }

    map.reset();
    platform::setDialogs(nullptr);
    return drawn ? 0 : 1;
}
