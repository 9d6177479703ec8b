#include "platform/control_dispatch.h"

#include "basic/fault.h"
#include "platform/busy.h"

#include <cstdio>

namespace platform {
namespace {

FaultReporter& reporter() {
    static FaultReporter current;
    return current;
}

void reportToStderr(const std::exception& fault) {
    if (const auto* runtime = dynamic_cast<const basic::RuntimeFault*>(&fault)) {
        std::fprintf(stderr, "Unhandled fault %d: %s\n", runtime->number(), runtime->description().c_str());
    } else {
        std::fprintf(stderr, "Unhandled fault: %s\n", fault.what());
    }
}

} // namespace

void setUnhandledFaultReporter(FaultReporter r) {
    reporter() = std::move(r);
}

void reportUnhandledFault(const std::exception& fault) {
    if (reporter()) {
        reporter()(fault);
    } else {
        reportToStderr(fault);
    }
}

bool userEventAllowed(bool runsWhileBusy) {
    return runsWhileBusy || !BusyGate::isBusy();
}

} // namespace platform
