#pragma once
// The font configuration, read on a worker thread while the program starts.
//
// Qt reads the system's font configuration (an XML parse of some fifty files) the first time a
// control lays out text, which is a large part of the start-up. Started at the top of main, the
// same reading runs beside the making of the application object and of the first controls.
// Only the font library's own initialisation runs on the worker: that library guards its
// configuration with an atomic exchange, and Qt's later call finds it made and returns at once.
// The control that first lays out text (the text box) waits for the worker, so Qt never starts
// a second reading beside it; the process waits for it at the latest as it ends.

#include <functional>
#include <mutex>
#include <thread>

namespace platform {

// Work begun on a worker thread at once, waited for where its result is first needed.
class EarlyWork {
public:
    explicit EarlyWork(std::function<void()> work);
    ~EarlyWork() { wait(); }
    EarlyWork(const EarlyWork&) = delete;
    EarlyWork& operator=(const EarlyWork&) = delete;

    // Returns once the work is done; at once when it is done already.
    void wait();

private:
    std::mutex guard_;
    std::thread thread_;
};

// Starts reading the font configuration; a second call does nothing.
void startFontConfigLoad();
// Waits until it is read; at once when it was never started or is read already.
void awaitFontConfigLoad();

} // namespace platform
