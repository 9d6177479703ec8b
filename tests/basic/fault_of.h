#pragma once
// The number of the runtime fault a call raises, 0 when it raises none.

#include "basic/fault.h"

namespace basic {

template <typename Call> int faultOf(Call&& call) {
    try {
        call();
    } catch (const RuntimeFault& f) {
        return f.number();
    }
    return 0;
}

} // namespace basic
