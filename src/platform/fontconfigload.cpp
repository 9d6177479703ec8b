#include "platform/fontconfigload.h"

#include <fontconfig/fontconfig.h>
#include <mutex>
#include <thread>

namespace platform {
namespace {

struct Worker {
    std::mutex guard;
    std::thread thread;
    ~Worker() { join(); }
    void join() {
        const std::lock_guard<std::mutex> lock(guard);
        if (thread.joinable()) thread.join();
    }
};

Worker& worker() {
    static Worker theWorker;
    return theWorker;
}

bool started = false;

} // namespace

void startFontConfigLoad() {
    Worker& w = worker();
    const std::lock_guard<std::mutex> lock(w.guard);
    if (started) return;
    started = true;
    w.thread = std::thread([] { FcInit(); });
}

void awaitFontConfigLoad() {
    worker().join();
}

} // namespace platform
