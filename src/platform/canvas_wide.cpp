#include "platform/canvas_wide.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace platform {
namespace {

constexpr double kNone = std::numeric_limits<double>::infinity();

// The segment's band: the points a + t (b - a) + s n, t in [0, 1], s in [-r, r], with n the
// unit normal. Where a row crosses it, as the x range [lo, hi].
struct Band {
    double ax, ay, bx, by, dx, dy, nx, ny, r;
    bool empty; // a zero-length segment has no band

    Band(double ax_, double ay_, double bx_, double by_, double r_)
        : ax(ax_), ay(ay_), bx(bx_), by(by_), dx(bx_ - ax_), dy(by_ - ay_), nx(0), ny(0), r(r_) {
        const double length = std::hypot(dx, dy);
        empty = length == 0;
        if (empty) return;
        nx = -dy / length;
        ny = dx / length;
    }

    void cross(double yc, double& lo, double& hi) const {
        if (empty) return;
        if (dy == 0) {
            if (std::abs(yc - ay) <= r) {
                lo = std::min(lo, std::min(ax, bx));
                hi = std::max(hi, std::max(ax, bx));
            }
            return;
        }
        double sLo = -r;
        double sHi = r;
        if (ny != 0) {
            const double sAtStart = (yc - ay) / ny;
            const double sAtEnd = (yc - ay - dy) / ny;
            sLo = std::max(sLo, std::min(sAtStart, sAtEnd));
            sHi = std::min(sHi, std::max(sAtStart, sAtEnd));
            if (sLo > sHi) return;
        } else {
            const double t = (yc - ay) / dy;
            if (t < 0 || t > 1) return;
        }
        const double x0 = ax + (yc - ay - sLo * ny) / dy * dx + sLo * nx;
        const double x1 = ax + (yc - ay - sHi * ny) / dy * dx + sHi * nx;
        lo = std::min(lo, std::min(x0, x1));
        hi = std::max(hi, std::max(x0, x1));
    }
};

// The half chord of a pen's round end at the rows about its centre: for row k (the row of the
// pixel centre cy lies on, plus k), sqrt(r² - d²) with d the row centre's distance from cy, or
// a negative value where the row misses the disc. The values are those sqrt gives for the same
// r and d (both exact in a double), so a row is inked as if the root were taken there; they
// are worked out once for the widths maps use rather than twice a row for every segment.
constexpr int kTabledWidth = 64;

class EndChords {
public:
    EndChords() {
        for (int width = 2; width <= kTabledWidth; ++width) {
            const double r = width / 2.0;
            const double offset = width % 2 == 1 ? 0.5 : 0.0;
            for (int k = -kReach; k <= kReach; ++k) {
                const double d = k + 0.5 - offset;
                chords_[width][k + kReach] = std::abs(d) > r ? -1 : std::sqrt(r * r - d * d);
            }
        }
    }
    // Width 2..kTabledWidth, |k| <= kReach.
    double at(int width, int k) const { return chords_[width][k + kReach]; }

    static constexpr int kReach = kTabledWidth / 2 + 1;

private:
    double chords_[kTabledWidth + 1][2 * kReach + 1] = {};
};

// Where the row crosses the disc of radius r about (cx, cy).
inline void crossDisc(double cx, double cy, double r, double yc, double& lo, double& hi) {
    const double d = yc - cy;
    if (std::abs(d) > r) return;
    const double half = std::sqrt(r * r - d * d);
    lo = std::min(lo, cx - half);
    hi = std::max(hi, cx + half);
}

// The same for a tabled width, the disc centred in row cyRow's pixel (or on its top edge).
inline void crossTabledDisc(const EndChords& chords, int width, double cx, int cyRow, int y, double& lo,
                            double& hi) {
    const std::int64_t k = std::int64_t(y) - cyRow;
    if (k < -EndChords::kReach || k > EndChords::kReach) return;
    const double half = chords.at(width, static_cast<int>(k));
    if (half < 0) return;
    lo = std::min(lo, cx - half);
    hi = std::max(hi, cx + half);
}

} // namespace

void drawWideLine(QImage& image, QRgb ink, QPoint from, QPoint to, int width) {
    if (image.isNull()) return;
    const int imageWidth = image.width();
    const int imageHeight = image.height();
    const double r = width / 2.0;
    const double offset = width % 2 == 1 ? 0.5 : 0.0;
    const double ax = from.x() + offset, ay = from.y() + offset;
    const double bx = to.x() + offset, by = to.y() + offset;
    const double top = std::ceil(std::min(ay, by) - r - 0.5);
    const double bottom = std::floor(std::max(ay, by) + r - 0.5);
    const double rowFirst = std::max(top, 0.0);
    const double rowLast = std::min(bottom, imageHeight - 1.0);
    if (rowFirst > rowLast) return;
    // A capsule wholly beside the image inks nothing (the margin covers any rounding).
    if (std::max(ax, bx) + r + 1 < 0 || std::min(ax, bx) - r - 1 > imageWidth) return;
    const Band band(ax, ay, bx, by, r);
    QRgb* bits = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    static const EndChords chords;
    const bool tabled = width <= kTabledWidth;
    for (int y = static_cast<int>(rowFirst); y <= static_cast<int>(rowLast); ++y) {
        const double yc = y + 0.5;
        double lo = kNone;
        double hi = -kNone;
        if (tabled) {
            crossTabledDisc(chords, width, ax, from.y(), y, lo, hi);
            crossTabledDisc(chords, width, bx, to.y(), y, lo, hi);
        } else {
            crossDisc(ax, ay, r, yc, lo, hi);
            crossDisc(bx, by, r, yc, lo, hi);
        }
        band.cross(yc, lo, hi);
        if (lo > hi) continue;
        const double first = std::max(std::ceil(lo - 0.5), 0.0);
        const double last = std::min(std::floor(hi - 0.5), imageWidth - 1.0);
        if (first > last) continue;
        QRgb* row = bits + static_cast<qsizetype>(y) * stride;
        std::fill(row + static_cast<int>(first), row + static_cast<int>(last) + 1, ink);
    }
}

} // namespace platform
