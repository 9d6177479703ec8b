// import_bench [--no-osmium] FILE.osm [DATA_DIR]: imports an OSM file headless through the main
// window, as File > "Open OSM" does (view reset, whole-file load, import), and writes its project
// file into DATA_DIR (a temporary folder when omitted). Prints the time of every phase and the
// total, the highest resident size so far at the end of each phase (Linux's VmHWM), then the time
// `osmium fileinfo -e` takes to read the same file, when osmium is installed and --no-osmium is
// not given, and the ratio. With --no-osmium the whole process (start-up,
// import, exit) can be timed from outside. Messages go to stderr. Exits 0 only when the project
// file was written.

#include "basic/clock.h"
#include "core/filemenu_files.h"
#include "core/importdriver.h"
#include "core/shutdown.h"
#include "import/filenames.h"
#include "platform/dialogs_stderr.h"
#include "platform/paths.h"
#include "window/legendstrip.h"
#include "window/mapwindow.h"
#include "window/viewwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Lap {
    std::string phase;
    double seconds;
    long peakKB; // the highest resident size of the process when the phase ended
};

// The process's highest resident size so far, in kB (VmHWM); -1 where unknown. It is never reset:
// a reset would hide the earlier peaks from the process's own maximum that GNU time reports.
long residentPeakKB() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return -1;
    long kb = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1) break;
    std::fclose(status);
    return kb;
}

// The laps between the moments the phases start.
class PhaseClock {
public:
    void start(std::string phase) {
        stop();
        phase_ = std::move(phase);
        started_ = basic::monotonicSeconds();
    }
    void stop() {
        if (phase_.empty()) return;
        const double seconds = basic::monotonicSeconds() - started_;
        laps_.push_back({phase_, seconds, residentPeakKB()});
        phase_.clear();
    }
    const std::vector<Lap>& laps() const { return laps_; }

private:
    std::string phase_;
    double started_ = 0;
    std::vector<Lap> laps_;
};

void printLap(const std::string& what, double seconds) {
    std::printf("  %-22s %10.1f ms\n", what.c_str(), seconds * 1000);
}

// Seconds `osmium fileinfo -e` takes over the file; negative when osmium is not there or fails.
double osmiumSeconds(const QString& osmFile) {
    const QString osmium = QStandardPaths::findExecutable("osmium");
    if (osmium.isEmpty()) return -1;
    QProcess process;
    const double start = basic::monotonicSeconds();
    process.start(osmium, {"fileinfo", "-e", osmFile});
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return -1;
    return basic::monotonicSeconds() - start;
}

// The count labels as the import leaves them: numb(c + 1) counts POI category c, the others
// count problems. Labels that are not loaded or show nothing are left out.
void printCountLabels(const core::MapWindow& map) {
    const auto& numb = map.legendStrip.numb;
    std::printf("  count labels:");
    int shown = 0;
    for (int label = 0; label < core::kCountLabels; ++label) {
        if (!numb.exists(label) || numb[label].caption().empty()) continue;
        std::printf("%s numb(%d)=%s", shown++ % 8 == 0 ? "\n   " : "", label, numb[label].caption().c_str());
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const bool runOsmium = !(argc > 1 && std::string_view(argv[1]) == "--no-osmium");
    if (!runOsmium) {
        --argc;
        ++argv;
    }
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: import_bench [--no-osmium] FILE.osm [DATA_DIR]\n");
        return 2;
    }
    const std::string osmPath = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath().toStdString();
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fprintf(stderr, "import_bench: no temporary folder\n");
        return 2;
    }
    const std::string dataDir = argc == 3 ? std::string(argv[2]) : scratch.path().toStdString();
    if (!platform::ensureFolder(dataDir)) {
        std::fprintf(stderr, "import_bench: can't make the folder %s\n", dataDir.c_str());
        return 2;
    }

    // A program folder of its own, so that no settings file of an installed program is read.
    platform::setAppPathForTests(scratch.path().toStdString() + "/program");
    platform::setDialogs(std::make_unique<platform::StderrDialogs>());
    auto map = std::make_unique<core::MapWindow>();
    map->form.load();
    map->global.dataFolder = dataDir;

    const std::string vnk = dataDir + "/" + osmimport::ftrim(osmPath) + ".vnk";
    PhaseClock clock;
    const double began = basic::monotonicSeconds();
    map->global.curFile = osmPath;
    core::init(*map);
    clock.start("load");
    std::string text = core::loadbinary(*map, osmPath);
    const std::size_t bytes = text.size();
    // The import's own word: a file system may give the new file the inode of the one it replaced
    // (another run renamed its file there meanwhile), so the inode tells nothing.
    bool written = false;
    if (!text.empty())
        written = core::showmap(*map, std::move(text),
                                [&](std::string_view phase) { clock.start(std::string(phase)); });
    clock.stop();
    const double total = basic::monotonicSeconds() - began;

    std::printf("%s: %zu bytes, %d nodes\n", osmPath.c_str(), bytes, written ? map->data.nodeCount : 0);
    for (const Lap& lap : clock.laps())
        printLap(lap.phase, lap.seconds);
    printLap("total", total);
    std::printf("  highest resident size at the end of each phase:\n");
    for (const Lap& lap : clock.laps())
        std::printf("    %-22s %8.1f MB\n", lap.phase.c_str(), static_cast<double>(lap.peakKB) / 1024);
    printCountLabels(*map);

    if (runOsmium) {
        const double osmium = osmiumSeconds(QString::fromStdString(osmPath));
        if (osmium < 0) {
            std::printf("  osmium fileinfo -e: not installed, or it failed on this file\n");
        } else {
            printLap("osmium fileinfo -e", osmium);
            std::printf("  ratio import / osmium: %.2f\n", total / osmium);
        }
    }
    std::printf(written ? "project file: %s\n" : "no project file written (%s)\n", vnk.c_str());

    core::keepUntilExit(std::move(map)); // as the program ends
    platform::setDialogs(nullptr);
    return written ? 0 : 1;
}
