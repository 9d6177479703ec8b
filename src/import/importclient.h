#pragma once
// What the import needs from the window that runs it. The import itself knows no window: the
// main window implements this with its progress frame and message boxes, a headless run with
// the error stream.

#include "basic/numbers.h"

#include <string_view>

namespace osmimport {

class ImportClient {
public:
    virtual ~ImportClient() = default;

    // A plain message with an OK button; the import goes on when it returns.
    virtual void message(std::string_view text) = 0;
    // The caption of the phase that starts ("parsing names...", "parsing nodes...").
    virtual void phase(std::string_view caption) = 0;
    // The progress bar at percent (0..100).
    virtual void progress(int percent) = 0;
    // The node loop starts now, over nodeCount nodes at loadRate seconds per 1000 nodes.
    virtual void nodeLoopStarts(basic::Long nodeCount, basic::Single loadRate) = 0;
    // Asked before every node: lets waiting window events through at the client's own pace
    // and tells whether the user has cancelled the import.
    virtual bool cancelRequested() = 0;
};

} // namespace osmimport
