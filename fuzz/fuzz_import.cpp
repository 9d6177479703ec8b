// fuzz_import: arbitrary bytes imported as the text of an OSM file, headless: the nodes
// classified into POI codes, the ways read, checked and labelled, and the project file made
// from what the import produced. The import must end in one of its outcomes whatever the
// bytes: no crash, no hang, no fault that escapes, no sanitizer report. The project file it
// makes must read back.

#include "import/importrun.h"
#include "import/nodeclass_hook.h"
#include "import/projectreader.h"
#include "import/projectwriter.h"
#include "import/wayphase.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace osmimport;

class QuietClient : public ImportClient {
public:
    void message(std::string_view) override {}
    void phase(std::string_view) override {}
    void progress(int) override {}
    void nodeLoopStarts(basic::Long, basic::Single) override {}
    bool cancelRequested() override { return false; }
};

class QuietSink : public NodeClassSink {
public:
    void count(int) override {}
    void emptyTagCounted(Long) override {}
    void bridgeCounted(Long) override {}
};

class QuietWaySink : public WayPhaseSink {
public:
    void caption(int, Long) override {}
    Single textWidth(std::string_view text) override { return static_cast<Single>(text.size() * 60); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    QuietClient client;
    QuietSink sink;
    const ImportSettings settings{1.971f, static_cast<Single>(size / 1024.0 / 1024.0), 8010};
    OsmImport import(std::string(reinterpret_cast<const char*>(bytes), size), settings, client);
    PoiClassification classification(import, sink);
    ProjectData data;
    if (import.run(data, &classification) != ImportEnd::NodesRead) return 0;
    WayPhaseSettings ways;
    ways.quote = import.quoteChar();
    ways.hasAuthorship = import.hasAuthorship();
    ways.fileSizeMB = settings.fileSizeMB;
    ways.scaleWidth = settings.scaleWidth;
    ways.scaleHeight = settings.scaleWidth;
    ways.lastNodeDescription = classification.lastDescription();
    QuietWaySink waySink;
    WayPhase phase(import.waySection(), ways, import.nodeIds(), client, waySink);
    if (phase.run(data) != WayPhaseEnd::Done) return 0;
    phase.prepareProjectFile(data);
    readProjectFile(projectFileBytes(data, import.quoteChar()));
    return 0;
}
