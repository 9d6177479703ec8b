// redraw_bench [--style N] [--zoom Z] [--names] [--gpx TRACK.gpx] [--whole] PROJECT.vnk [OUT.png]: draws a
// project file headless through the main window as opening it from the File menu does (view reset
// to zoom 1.4, count captions read), then draws it again five times as a pan or zoom does. Prints the
// time of the reload and of every pass of the first drawing and the median of the later ones,
// and saves the part of the map picture the viewport shows as OUT.png when asked. Messages go to
// stderr. Exits 0 when the file was drawn.
//
// --style chooses the map style (0 "Show Errors", the default, 1 "Hide Errors", 2 "Planning
// Sheet", whose passes are listed for both of its runs), --zoom the zoom about the picture
// centre (1.4 by default), --names ticks the street-name option. --gpx imports the file's points
// first, so that every drawing also makes the GPX layer ("GPX or route"), and prints the dots and
// lines it made; bench/make_track.py writes a track inside the window where dots are drawn.
// --whole saves the whole map picture rather than the part the viewport shows, so that pictures
// of two builds can be compared also where the view does not reach.

#include "basic/clock.h"
#include "core/mapredraw.h"
#include "platform/dialogs_stderr.h"
#include "platform/paths.h"
#include "platform/screen.h"
#include "render/snap.h"
#include "routes/gpximport.h"
#include "routes/gpxtext_read.h"
#include "window/mapwindow.h"
#include "window/view.h"
#include "window/viewwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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
    core::drawMap(map, [&](std::string_view next) {
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
    std::printf("  %-22s %9.1f ms %9.1f ms\n", what.c_str(), first * 1000, later * 1000);
}

struct Options {
    int style = 0;
    float zoom = 1.4f;
    bool names = false;
    bool whole = false;
    std::string gpx;
    std::vector<std::string> files;
};

// The options and the one or two file names; false when they do not make sense.
bool parse(int argc, char** argv, Options& options) {
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        const bool hasValue = k + 1 < argc;
        if (arg == "--style" && hasValue) {
            options.style = std::atoi(argv[++k]);
            if (options.style < 0 || options.style > 2) return false;
        } else if (arg == "--zoom" && hasValue) {
            const std::string_view text = argv[++k];
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), options.zoom);
            if (error != std::errc() || end != text.data() + text.size() || !(options.zoom > 0)) return false;
        } else if (arg == "--gpx" && hasValue) {
            options.gpx = argv[++k];
        } else if (arg == "--names") {
            options.names = true;
        } else if (arg == "--whole") {
            options.whole = true;
        } else if (arg.rfind("--", 0) == 0) {
            return false;
        } else {
            options.files.push_back(arg);
        }
    }
    return !options.files.empty() && options.files.size() <= 2;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Read before Qt sees them: Qt takes --style for a widget style of its own.
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: redraw_bench [--style 0|1|2] [--zoom Z] [--names] [--gpx TRACK.gpx] "
                             "[--whole] PROJECT.vnk [OUT.png]\n");
        return 2;
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    const std::string project =
        QFileInfo(QString::fromLocal8Bit(options.files[0].c_str())).absoluteFilePath().toStdString();
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

    if (!options.gpx.empty()) {
        // Read as File > "Import GPX" reads it, within the same bound; its error goes to stderr.
        const std::optional<std::string> track = routes::readGpxFile(options.gpx);
        if (!track) return 2;
        routes::storeGpxPoints(map->data, routes::readGpx(*track));
    }
    map->global.curFile = project;
    core::init(*map);
    map->global.parsedPath = project;
    map->global.reloadTrailer = true;
    map->data.mapMode = options.style;
    core::zoomAboutCentre(map->global, map->global.viewZoom, options.zoom);
    map->global.viewZoom = options.zoom;
    map->legendPanel.Check1.setValue(options.names ? 1 : 0);
    const std::vector<Lap> first = timedRedraw(*map);
    const bool drawn = map->data.nodeCount > 0 || map->data.wayCount > 0;

    constexpr int kRepeats = 5;
    std::map<std::string, std::vector<double>> later;
    std::vector<double> totals;
    for (int k = 0; k < kRepeats; ++k) {
        const std::vector<Lap> laps = timedRedraw(*map);
        for (const Lap& lap : laps)
            later[lap.step].push_back(lap.seconds);
        totals.push_back(total(laps));
    }

    std::printf("%s: %d nodes, %d ways, %.2f MB source, style %d, zoom %.1f, street names %s\n",
                project.c_str(), map->data.nodeCount, map->data.wayCount,
                static_cast<double>(map->data.fileSizeMB), options.style,
                static_cast<double>(map->global.viewZoom), options.names ? "on" : "off");
    std::printf("  %-22s %12s %12s\n", "step", "first", "median of 5");
    for (const Lap& lap : first)
        printLap(lap.step, lap.seconds, later.contains(lap.step) ? median(later[lap.step]) : 0);
    printLap("total", total(first), median(totals));
    if (!options.gpx.empty()) {
        std::printf("  GPX: %d points, %d waypoint markers, %d track dots, %d track lines\n",
                    map->data.gpxCount, map->data.gpsCount, map->data.gptCount,
                    map->markers.Lin2.count() - 1);
    }

    // Another style is measured against "Show Errors" in the same run.
    if (options.style != 0) {
        map->data.mapMode = 0;
        std::vector<double> peer;
        for (int k = 0; k < kRepeats; ++k)
            peer.push_back(total(timedRedraw(*map)));
        map->data.mapMode = options.style;
        timedRedraw(*map); // the saved picture shows the style asked for
        const double own = median(totals);
        const double showErrors = median(peer);
        std::printf("  %-22s %22.1f ms\n  ratio to Show Errors %25.2f\n", "Show Errors peer",
                    showErrors * 1000, own / showErrors);
    }

    if (options.files.size() == 2) {
        const char* out = options.files[1].c_str();
        if (!options.whole) render::paintShownMap(*map, 0, 0);
        const QImage& shown = options.whole ? map->view.p1.image() : map->view.p2.image();
        if (!shown.save(QString::fromLocal8Bit(out), "PNG")) {
            std::fprintf(stderr, "redraw_bench: can't write %s\n", out);
            return 1;
        }
        std::printf("visible map: %s (%d x %d)\n", out, shown.width(), shown.height());
    }

    map.reset();
    platform::setDialogs(nullptr);
    return drawn ? 0 : 1;
}
