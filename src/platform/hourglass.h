#pragma once
// The screen-wide hourglass shown while a long operation runs. It is a switch, not a stack: any
// number of "on" calls are undone by one "off", and "off" without "on" does nothing.

namespace platform {

// The screen's mouse pointer as the system reads it: 0 the default, 11 the hourglass.
inline constexpr int kDefaultPointer = 0;
inline constexpr int kHourglassPointer = 11;

void hourglassOn();
void hourglassOff();
int screenMousePointer();

} // namespace platform
