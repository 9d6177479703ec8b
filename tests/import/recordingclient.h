#pragma once
// An import client for tests: records what the import shows and cancels on request.

#include "import/importclient.h"

#include <string>
#include <vector>

namespace osmimport {

class RecordingClient : public ImportClient {
public:
    // Every call in order: "message:...", "phase:...", "progress:15", "nodes:3".
    std::vector<std::string> calls;
    std::vector<std::string> messages;
    // The import is cancelled when asked for the (cancelAt)th time (1 = before the first node).
    long cancelAt = 0;
    long asked = 0;

    void message(std::string_view text) override {
        messages.emplace_back(text);
        calls.push_back("message:" + std::string(text));
    }
    void phase(std::string_view caption) override { calls.push_back("phase:" + std::string(caption)); }
    void progress(int percent) override { calls.push_back("progress:" + std::to_string(percent)); }
    void nodeLoopStarts(basic::Long nodeCount, basic::Single) override {
        calls.push_back("nodes:" + std::to_string(nodeCount));
    }
    bool cancelRequested() override { return ++asked == cancelAt; }
};

} // namespace osmimport
