// fuzz_import: arbitrary bytes imported as the text of an OSM file, headless, through the one
// import call the main window runs: the nodes classified into POI codes, the ways read, checked
// and labelled, the final statistics, and the project file made from what the import produced.
// The import must end in one of its outcomes whatever the bytes: no crash, no hang, no fault
// that escapes, no sanitizer report. The project file it makes must read back.

#include "import/importosm.h"
#include "import/projectreader.h"
#include "import/projectwriter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace osmimport;

class QuietListener : public ImportListener {
public:
    void message(std::string_view) override {}
    void phase(std::string_view) override {}
    void progress(int) override {}
    void nodeLoopStarts(basic::Long, basic::Single) override {}
    bool cancelRequested() override { return false; }
    void nodesRead(const ProjectData&) override {}
    void count(int, Long) override {}
    void emptyTagCounted(Long) override {}
    void bridgeCounted(Long) override {}
    void caption(int, Long) override {}
    Single textWidth(std::string_view text) override { return static_cast<Single>(text.size() * 60); }
    void letEventsThrough() override {}
    void questCaption(Long) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    QuietListener listener;
    const ImportSettings settings{1.971f, static_cast<Single>(size / 1024.0 / 1024.0), 8010, 8010, 0};
    const ImportResult result =
        importOsm(std::string(reinterpret_cast<const char*>(bytes), size), settings, listener);
    if (result.end != ImportEnd::Done) return 0;
    readProjectFile(projectFileBytes(result.data, result.quote));
    return 0;
}
