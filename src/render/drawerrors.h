#pragma once
// The one error path of a drawing: the first fault of a call shows its description, and no
// second message is shown in the same call. In the normal drawing every fault skips only its own
// statement; a drawing that ends at its first fault (the Planning Sheet) leaves the statement
// with DrawingEnded, which no statement of the drawing catches. A drawing of a file whose fault
// was shown already is quiet: it shows none (see redraw).

#include "basic/fault.h"
#include "platform/dialogs.h"

#include <utility>

namespace render {

// Thrown out of every statement of a drawing that ends at its first fault, once that fault has
// been shown.
struct DrawingEnded {};

class DrawErrors {
public:
    enum class OnFault { SkipStatement, EndDrawing };

    explicit DrawErrors(OnFault onFault = OnFault::SkipStatement, bool quiet = false)
        : onFault_(onFault), shown_(quiet) {}

    // Whether a message was shown, or would have been but for quiet.
    bool shown() const noexcept { return shown_; }

    // A failed allocation is the fault "Out of memory".
    template <class F> void run(F&& statement) {
        try {
            basic::withMemoryFault(std::forward<F>(statement));
        } catch (const basic::RuntimeFault& fault) {
            if (!shown_) {
                shown_ = true;
                platform::dialogs().msgBox(fault.description());
            }
            if (onFault_ == OnFault::EndDrawing) throw DrawingEnded{};
        }
    }

private:
    OnFault onFault_;
    bool shown_ = false;
};

} // namespace render
