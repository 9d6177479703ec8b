#pragma once
// The fault an action raises, for the tests of every layer part.

#include "basic/fault.h"

#include <functional>

namespace platform::testing {

// The number of the fault the action raises, 0 when it raises none.
inline int faultOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const basic::RuntimeFault& fault) {
        return fault.number();
    }
    return 0;
}

} // namespace platform::testing
