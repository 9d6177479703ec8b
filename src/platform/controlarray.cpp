#include "platform/controlarray.h"

namespace platform {

void checkArrayIndex(int index) {
    if (index < 0 || index > 32767) basic::raise(basic::fault::ControlArrayElementMissing);
}

} // namespace platform
