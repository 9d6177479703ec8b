#pragma once
// The font of a control as the system sets it: a face name, a size in points and bold. The
// layer works at a fixed 96 dpi, so a point is 96/72 of a pixel whatever the screen reports.

#include <QFont>
#include <string>

namespace platform {

struct FontSpec {
    std::string name = "Arial";
    double size = 8;
    bool bold = false;

    bool operator==(const FontSpec&) const = default;
};

// A size that is not positive or not finite is fault 380 "Invalid property value".
void checkFontSize(double points);

QFont toQFont(const FontSpec& font);

} // namespace platform
