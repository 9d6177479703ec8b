#pragma once
// Headless imports for the robustness tests: the window-free phases with the node
// classification, as the main window runs them, and what they showed.

#include "basic/wholefile.h"
#include "import/importrun.h"
#include "import/nodeclass_hook.h"
#include "recordingclient.h"

#include <string>
#include <vector>

namespace osmimport::testing {

// The real extracts of the test data.
inline const std::vector<std::string>& realExtracts() {
    static const std::vector<std::string> names = {"fields-48.135-10.068.osm", "karlsruhe-boundary.osm",
                                                   "three-rivers-josm.osm", "west-oakland.osm"};
    return names;
}

inline std::string testData(const std::string& name) {
    return basic::readFileBytes(std::string(VK_TEST_DATA) + "/" + name);
}

struct QuietSink : NodeClassSink {
    void count(int, Long) override {}
    void emptyTagCounted(Long) override {}
    void bridgeCounted(Long) override {}
};

struct Imported {
    ImportEnd end = ImportEnd::EmptyText;
    std::vector<std::string> messages;
    ProjectData data;
    char quote = '"';
};

// Imports text with the nodes classified; cancelled when asked for the cancelAt-th time (0:
// never).
inline Imported importText(std::string text, long cancelAt = 0) {
    RecordingClient client;
    client.cancelAt = cancelAt;
    OsmImport import(std::move(text), ImportSettings{1.971f, 0.5f, 8010}, client);
    QuietSink sink;
    PoiClassification classification(import, sink);
    Imported r;
    r.end = import.run(r.data, &classification);
    r.messages = client.messages;
    r.quote = import.quoteChar();
    return r;
}

} // namespace osmimport::testing
