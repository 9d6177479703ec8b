#include "render/rgbtog.h"

#include "basic/colour.h"
#include "basic/numbers.h"

namespace render {

double greyOf(double colour) {
    const basic::Long c = basic::clng(colour);
    const basic::Long red = c % 256;
    const basic::Long green = c / 256 % 256;
    const basic::Long blue = c / 65536 % 256;
    basic::Long grey = basic::clng((red + green + blue) / 3.0);
    constexpr basic::Long kLighten = 100;
    constexpr basic::Long kLightestLightened = 210;
    if (grey + kLighten < kLightestLightened) grey += kLighten;
    return basic::rgb(grey, grey, grey);
}

} // namespace render
