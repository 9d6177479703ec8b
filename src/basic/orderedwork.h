#pragma once
// Work cut into chunks made on several threads and taken in order on the calling one: a file's
// records formatted or parsed on all cores, while their bytes are still handed on, or given
// back, front to back. The result never depends on the number of threads.

#include <cstddef>
#include <functional>

namespace basic {

// Calls make(k) for k = 0 .. count - 1 on up to `workers` threads, the calling one among them,
// and take(k) on the calling thread for k = 0, 1, ... in turn, each once make(k) has returned. make(k) is not begun before
// take(k - window) has returned, so a caller can keep chunk k's result in slot k % window and
// never hold more than window results. With one worker or one chunk everything runs on the
// calling thread: make(0), take(0), make(1), take(1), ...
//
// A fault raised by make(k) or take(k) is raised again on the calling thread once every earlier
// take has returned, so that the fault is the one a plain loop would meet first (which
// runOrderedChunks, raising the first fault in time, does not promise); take is not called for k or any later chunk, and no make runs any more when
// inOrder returns.
void inOrder(std::size_t count, unsigned workers, std::size_t window, const std::function<void(std::size_t)>& make,
             const std::function<void(std::size_t)>& take);

} // namespace basic
