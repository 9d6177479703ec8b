#pragma once
// Yielding to the window system inside a long operation. The operation runs on the one GUI
// thread; it asks `inputPending()` once per item and calls `doEvents()` only when the answer is
// non-zero, so that an idle queue costs nothing and the window still answers the user.

#include <chrono>
#include <cstdint>

namespace platform {

// Qt cannot tell which kinds of input wait in the queue, so the answer is a time slice: non-zero
// at most once per interval, which keeps the window responsive at no cost per item.
inline constexpr std::chrono::milliseconds kInputPendingInterval{30};

// The non-zero answer: the queue kinds (key, mouse button, paint, hot-key) that may be waiting.
inline constexpr std::int32_t kInputPendingKinds = 0xA5;

// Processes posted and pending window events once; does nothing without an application object.
void doEvents();

// kInputPendingKinds when the interval has passed since the last non-zero answer (and so on the
// very first call), 0 otherwise; the time is the system's coarse clock, true to its tick of a
// few milliseconds.
std::int32_t inputPending();

// Starts the interval anew from now, as if input had just been reported (for tests).
void resetInputPending();

} // namespace platform
