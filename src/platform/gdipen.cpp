#include "platform/gdipen.h"

#include "platform/canvas_wide.h"
#include "platform/canvascolour.h"
#include "platform/gdiarith.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>

namespace platform {
namespace {

using gdi::Wide;

// Every dash pattern repeats within 24 pixels; bit i says whether step i of a line is inked.
constexpr int kDashPeriod = 24;

constexpr std::uint32_t dashMask(std::initializer_list<int> runs) {
    std::uint32_t mask = 0;
    int pos = 0;
    bool on = true;
    while (pos < kDashPeriod) {
        for (int run : runs) {
            for (int i = 0; i < run && pos < kDashPeriod; ++i, ++pos) {
                if (on) mask |= 1u << pos;
            }
            on = !on;
        }
    }
    return mask;
}

std::uint32_t dashesOf(int style) {
    switch (style) {
    case drawstyle::Dash:
        return dashMask({18, 6});
    case drawstyle::Dot:
        return dashMask({3, 3});
    case drawstyle::DashDot:
        return dashMask({9, 6, 3, 6});
    case drawstyle::DashDotDot:
        return dashMask({9, 3, 3, 3, 3, 3});
    default:
        return dashMask({kDashPeriod});
    }
}

class Raster {
public:
    explicit Raster(QImage& image)
        : bits_(reinterpret_cast<QRgb*>(image.bits())), stride_(image.bytesPerLine() / 4),
          width_(image.width()), height_(image.height()) {}

    int width() const { return width_; }
    int height() const { return height_; }
    void set(int x, int y, QRgb ink) { bits_[static_cast<qsizetype>(y) * stride_ + x] = ink; }

private:
    QRgb* bits_;
    qsizetype stride_;
    int width_;
    int height_;
};

// The midpoint line: step i of n along the major axis puts the minor coordinate at
// start + round(i · minorDelta / n), halves rounded up. Only the steps that land inside the
// image are visited, so a line reaching far outside costs no more than its visible part.
void thinLine(Raster& raster, QRgb ink, QPoint from, QPoint to, std::uint32_t dashes) {
    const Wide dx = Wide(to.x()) - from.x();
    const Wide dy = Wide(to.y()) - from.y();
    if (dx == 0 && dy == 0) return;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const Wide majorDelta = xMajor ? dx : dy;
    const Wide minorDelta = xMajor ? dy : dx;
    const Wide n = majorDelta < 0 ? -majorDelta : majorDelta;
    const Wide majorStep = majorDelta < 0 ? -1 : 1;
    const Wide major0 = xMajor ? from.x() : from.y();
    const Wide minor0 = xMajor ? from.y() : from.x();
    const Wide majorLimit = xMajor ? raster.width() : raster.height();
    const Wide minorLimit = xMajor ? raster.height() : raster.width();

    // Steps i in [0, n) whose major coordinate lies in [0, majorLimit).
    Wide first = 0;
    Wide last = n; // exclusive
    if (majorStep > 0) {
        first = std::max<Wide>(first, -major0);
        last = std::min<Wide>(last, majorLimit - major0);
    } else {
        first = std::max<Wide>(first, major0 - majorLimit + 1);
        last = std::min<Wide>(last, major0 + 1);
    }
    if (first >= last) return;
    // minor = minor0 + q with 2·i·minorDelta + n = q·2n + rem, 0 <= rem < 2n; each step changes
    // the numerator by 2·minorDelta, at most 2n in size, so q moves by at most one.
    const Wide numerator = 2 * first * minorDelta + n;
    const Wide q = gdi::floorDiv(numerator, 2 * n);
    std::int64_t rem = static_cast<std::int64_t>(numerator - q * 2 * n);
    std::int64_t minor = static_cast<std::int64_t>(minor0 + q);
    int major = static_cast<int>(major0 + first * majorStep);
    int dashPos = static_cast<int>(first % kDashPeriod);
    const std::int64_t twoN = static_cast<std::int64_t>(2 * n);
    const std::int64_t twoM = static_cast<std::int64_t>(2 * minorDelta);
    const int step = static_cast<int>(majorStep);
    for (std::int64_t count = static_cast<std::int64_t>(last - first); count > 0; --count) {
        const bool inked = ((dashes >> dashPos) & 1u) != 0;
        if (inked && minor >= 0 && minor < minorLimit) {
            if (xMajor) {
                raster.set(major, static_cast<int>(minor), ink);
            } else {
                raster.set(static_cast<int>(minor), major, ink);
            }
        }
        major += step;
        dashPos = dashPos + 1 == kDashPeriod ? 0 : dashPos + 1;
        rem += twoM;
        if (rem >= twoN) {
            rem -= twoN;
            ++minor;
        } else if (rem < 0) {
            rem += twoN;
            --minor;
        }
    }
}

} // namespace

void drawLine(QImage& image, const Pen& pen, QPoint from, QPoint to) {
    if (pen.style == drawstyle::Invisible || image.isNull()) return;
    Raster raster(image);
    if (pen.widthPx <= 1) {
        thinLine(raster, toQRgb(pen.colour), from, to, dashesOf(pen.style));
    } else {
        drawWideLine(image, toQRgb(pen.colour), from, to, pen.widthPx);
    }
}

void drawDot(QImage& image, basic::Long colour, int widthPx, QPoint at) {
    if (image.isNull()) return;
    if (widthPx > 1) {
        drawWideLine(image, toQRgb(colour), at, at, widthPx);
    } else if (image.rect().contains(at)) {
        Raster(image).set(at.x(), at.y(), toQRgb(colour));
    }
}

} // namespace platform
