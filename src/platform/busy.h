#pragma once
// The busy gate: while a long operation runs and yields to events, user input must not start
// another one. The main window tells the gate how to ask "are we busy?"; every control's
// dispatch of a user event (mouse, key, click, menu, list, tab) asks the gate first and drops
// the event while busy, unless the control was marked to run while busy (the Cancel button,
// the map's mouse-down). Events the program causes itself (a value assigned to a scroll bar,
// a timer it started) are not user input and always run.

#include <functional>

namespace platform {

class BusyGate {
public:
    static void setBusyTest(std::function<bool()> test);
    static bool isBusy();

    // A close request that arrives while busy is remembered and carried out once the busy
    // test answers false (checked from the event loop, so after the operation returned).
    static void deferClose(std::function<void()> close);
};

} // namespace platform
