#include "platform/control_font.h"

#include "basic/fault.h"
#include "platform/qtext.h"

#include <algorithm>
#include <cmath>

namespace platform {

void checkFontSize(double points) {
    if (!std::isfinite(points) || points <= 0) basic::raise(basic::fault::InvalidPropertyValue);
}

QFont toQFont(const FontSpec& font) {
    QFont qfont(bytesToQString(font.name));
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0))));
    qfont.setBold(font.bold);
    return qfont;
}

} // namespace platform
