#pragma once
// The one error path of a drawing: the first fault of a call shows its description, every
// fault skips only its own statement, and no second message is shown in the same call.

#include "basic/fault.h"
#include "platform/dialogs.h"

#include <utility>

namespace render {

class DrawErrors {
public:
    template <class F> void run(F&& statement) {
        try {
            std::forward<F>(statement)();
        } catch (const basic::RuntimeFault& fault) {
            if (shown_) return;
            shown_ = true;
            platform::dialogs().msgBox(fault.description());
        }
    }

private:
    bool shown_ = false;
};

} // namespace render
