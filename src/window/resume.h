#pragma once
// The two error policies of the window's procedures: skip a failing statement and go on with the
// next (start-up), or show the fault's description in a message box and go on. Only runtime
// faults are caught, a failed allocation among them ("Out of memory"); anything else is a defect
// and passes.

#include "basic/fault.h"
#include "platform/dialogs.h"

namespace core {

template <class F> void resumeNext(F&& statement) {
    try {
        basic::withMemoryFault(statement);
    } catch (const basic::RuntimeFault&) {
    }
}

template <class F> void resumeNextWithMessage(F&& statement) {
    try {
        basic::withMemoryFault(statement);
    } catch (const basic::RuntimeFault& fault) {
        platform::dialogs().msgBox(fault.description());
    }
}

} // namespace core
