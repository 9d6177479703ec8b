#include "render/redrawcalls.h"

#include <utility>

namespace render {
namespace {

RedrawCalls& current() {
    static RedrawCalls calls;
    return calls;
}

} // namespace

void setRedrawCalls(RedrawCalls calls) {
    current() = std::move(calls);
}

const RedrawCalls& redrawCalls() {
    return current();
}

} // namespace render
