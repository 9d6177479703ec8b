#pragma once
// Keys as the system's handlers receive them. KeyDown gets the classic key codes: letters 65..90
// (whatever the case), digits 48..57, arrows 37 left, 38 up, 39 right, 40 down, F1.. from 112,
// Enter 13, Escape 27, Space 32, Backspace 8, Tab 9, Delete 46, Insert 45, Home 36, End 35,
// Page Up 33, Page Down 34, Shift 16, Ctrl 17, Alt 18; other keys have code 0. KeyPress gets the
// character typed as its Windows-1252 byte: Enter 13, Backspace 8, Tab 9, Escape 27, and
// Ctrl+letter the control characters 1..26; a key that types nothing has no KeyPress (-1).

class QKeyEvent;

namespace platform {

int keyCode(const QKeyEvent& event);
int keyAscii(const QKeyEvent& event);

} // namespace platform
