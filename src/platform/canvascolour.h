#pragma once
// Crossing between the system's colours (Long values r + 256·g + 65536·b) and the canvas's
// opaque 32-bit pixels. Pixels are compared on their 24 colour bits only.

#include "basic/colour.h"
#include "basic/fault.h"

#include <QColor>
#include <QRgb>

namespace platform {

inline constexpr QRgb kColourBits = 0x00FFFFFF;

inline QRgb toQRgb(basic::Long colour) {
    return qRgb(basic::redPart(colour), basic::greenPart(colour), basic::bluePart(colour));
}

inline QColor toQColor(basic::Long colour) {
    return QColor(toQRgb(colour));
}

inline basic::Long fromQRgb(QRgb pixel) {
    return basic::rgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// A colour property accepts plain RGB values only; anything else is "Invalid property value".
inline void checkColour(basic::Long colour) {
    if (colour < 0 || colour > 0xFFFFFF) basic::raise(basic::fault::InvalidPropertyValue);
}

} // namespace platform
