#pragma once
// The check the Preferences window runs when it is closed: it takes the values of its fields
// into the settings and says whether the window may close.
//
// A field whose text is no number the setting's type can hold is refused with its message and
// the setting keeps its value: a speed beyond the Single range, a font size beyond the 16-bit
// range, a 'Green' nodes limit that is no number or above 32767. The speed is stored even when
// refused for being below 1, the font size when it lies outside 6..16 but within 16 bits.

#include "window/global.h"

#include <string>
#include <string_view>
#include <vector>

namespace prefs {

// The label font sizes the window accepts; the settings file keeps to them too.
inline constexpr basic::Integer kSmallestFontSize = 6;
inline constexpr basic::Integer kLargestFontSize = 16;

inline constexpr std::string_view kSpeedMessage = "Please enter a value for miles/hour.";
inline constexpr std::string_view kFontSizeMessage = "Please enter a value between 6 and 16 for fontsize";
inline constexpr std::string_view kGreenNodesMessage =
    "Please enter a value between 0 and 32767 for 'Green' nodes";

// What the window's fields hold when it is closed.
struct ClosingFields {
    bool zoomLeft = true;           // "Zoom Left" ticked
    std::string speed;              // txmil
    std::string fontSize;           // Text2
    std::string greenNodes;         // Text3
    basic::Integer patternFill = 1; // Check2
};

// Stores the fields into `settings` and returns the messages to show, in order; the close is
// refused when there is any. `fontSizeChanged` says whether the font size now differs from
// `sizeAtOpening`, the size the window opened with.
std::vector<std::string_view> closeCheck(const ClosingFields& fields, basic::Integer sizeAtOpening,
                                         core::Settings& settings);

} // namespace prefs
