#pragma once
// How the window layer runs the system's event handlers.
//
// A user event (mouse, key, click, menu, list, tab) first asks the busy gate and is dropped
// while the program is busy, unless its control runs while busy (the Cancel button, the map
// picture). A handler reached from the event loop (user events and timers) must not let a fault
// unwind into Qt: a fault that escapes it goes to the unhandled-fault reporter (by default a
// line on stderr) and the loop carries on. Handlers the program starts itself (a Value assigned
// in code) are called directly, so their faults reach the code that made the assignment.

#include <exception>
#include <functional>
#include <utility>

namespace platform {

using FaultReporter = std::function<void(const std::exception&)>;

// Installs the reporter of faults that escape an event handler; an empty one restores stderr.
void setUnhandledFaultReporter(FaultReporter reporter);
void reportUnhandledFault(const std::exception& fault);

// Whether a user event of a control with this flag may run now.
bool userEventAllowed(bool runsWhileBusy);

template <class F> void runFromEventLoop(F&& handler) {
    try {
        std::forward<F>(handler)();
    } catch (const std::exception& fault) {
        reportUnhandledFault(fault);
    }
}

template <class F> void runUserEvent(bool runsWhileBusy, F&& handler) {
    if (userEventAllowed(runsWhileBusy)) runFromEventLoop(std::forward<F>(handler));
}

} // namespace platform
