#pragma once
// The looks of a legend cell as the count panel and the category buttons paint them.

#include "basic/colour.h"
#include "platform/lightweight_shape.h"

#include <gtest/gtest.h>

namespace poi::testing {

struct Look {
    basic::Long back;
    basic::Long border;
    int width;
};

inline const Look kOn{basic::rgb(255, 240, 20), basic::rgb(0, 128, 0), 2};
inline const Look kOff{basic::rgb(255, 255, 192), basic::rgb(0, 128, 0), 1};
inline const Look kEmpty{basic::rgb(240, 240, 240), basic::rgb(128, 128, 255), 1};
// A look no repaint produces, to see which cells a repaint leaves alone.
inline const Look kUntouched{basic::rgb(1, 2, 3), basic::rgb(4, 5, 6), 3};

inline void paint(platform::ShapeControl& cell, const Look& look) {
    cell.setBackColor(look.back);
    cell.setBorderColor(look.border);
    cell.setBorderWidth(look.width);
}

inline ::testing::AssertionResult hasLook(const platform::ShapeControl& cell, const Look& look) {
    if (cell.backColor() == look.back && cell.borderColor() == look.border &&
        cell.borderWidth() == look.width)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "back " << cell.backColor() << " border " << cell.borderColor()
                                         << " width " << cell.borderWidth();
}

} // namespace poi::testing
