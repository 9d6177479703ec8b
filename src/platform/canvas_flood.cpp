#include "platform/canvas_flood.h"

#include "platform/canvas.h"
#include "platform/canvascolour.h"
#include "platform/gdibrush.h"

#include <algorithm>
#include <bit>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace platform {

void FloodFiller::fitTo(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    wordsPerRow_ = (static_cast<std::size_t>(width) + 63) / 64;
    words_.assign(wordsPerRow_ * static_cast<std::size_t>(height), 0);
}

void FloodFiller::mark(const Run& run, bool on) {
    std::uint64_t* words = words_.data() + row(run.y);
    const int first = run.left / 64;
    const int last = run.right / 64;
    for (int w = first; w <= last; ++w) {
        std::uint64_t bits = ~std::uint64_t(0);
        if (w == first) bits &= ~std::uint64_t(0) << (run.left % 64);
        if (w == last) bits &= ~std::uint64_t(0) >> (63 - run.right % 64);
        words[w] = on ? words[w] | bits : words[w] & ~bits;
    }
}

std::uint64_t FloodFiller::openBits(const Row& row, int from, int to) const {
    const int base = from & ~63;
    std::uint64_t border = 0;
    int x = from;
#ifdef __SSE2__
    // Four pixels to a compare: the border test is most of a large fill's time.
    const __m128i colourBits = _mm_set1_epi32(static_cast<int>(kColourBits));
    const __m128i borderColour = _mm_set1_epi32(static_cast<int>(row.border));
    for (; x + 3 <= to; x += 4) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row.pixels + x));
        const __m128i same = _mm_cmpeq_epi32(_mm_and_si128(pixels, colourBits), borderColour);
        border |= static_cast<std::uint64_t>(_mm_movemask_ps(_mm_castsi128_ps(same))) << (x - base);
    }
#endif
    for (; x <= to; ++x)
        border |= std::uint64_t((row.pixels[x] & kColourBits) == row.border) << (x - base);
    const std::uint64_t range = (~std::uint64_t(0) << (from - base)) & (~std::uint64_t(0) >> (63 - (to - base)));
    return ~(words_[this->row(row.y) + static_cast<std::size_t>(from / 64)] | border) & range;
}

// A run is grown first by 16 pixels, as most runs of a map's small areas are short, then a word
// at a time.
constexpr int kFirstStep = 16;

int FloodFiller::runLeft(const Row& row, int x) const {
    for (int step = kFirstStep; x >= 0; step = 63) {
        const int from = std::max({x - step, x & ~63, 0});
        const std::uint64_t range = (~std::uint64_t(0) << (from & 63)) & (~std::uint64_t(0) >> (63 - (x & 63)));
        const std::uint64_t closed = ~openBits(row, from, x) & range;
        if (closed != 0) return (x & ~63) + (63 - std::countl_zero(closed)) + 1;
        x = from - 1;
    }
    return 0;
}

int FloodFiller::runRight(const Row& row, int x) const {
    for (int step = kFirstStep; x < width_; step = 63) {
        const int to = std::min({x + step, x | 63, width_ - 1});
        const std::uint64_t range = (~std::uint64_t(0) << (x & 63)) & (~std::uint64_t(0) >> (63 - (to & 63)));
        const std::uint64_t closed = ~openBits(row, x, to) & range;
        if (closed != 0) return (x & ~63) + std::countr_zero(closed) - 1;
        x = to + 1;
    }
    return width_ - 1;
}

void FloodFiller::seedRuns(const Row& row, int x0, int x1, int direction, int l, int r) {
    if (row.y < 0 || row.y >= height_) return;
    // Whether the pixel before the chunk is open: a run going on from there has started already.
    std::uint64_t carry = 0;
    for (int from = x0; from <= x1;) {
        const int to = std::min(from | 63, x1);
        const std::uint64_t open = openBits(row, from, to);
        for (std::uint64_t starts = open & ~((open << 1) | carry); starts != 0; starts &= starts - 1)
            seeds_.push_back(Seed{(from & ~63) + std::countr_zero(starts), row.y, direction, l, r});
        carry = (open >> 63) & 1u;
        from = to + 1;
    }
}

bool FloodFiller::fill(Canvas& canvas, int x, int y, basic::Long borderColour, const Brush& brush) {
    QImage& image = canvas.image();
    if (!image.rect().contains(x, y)) return false;
    const QRgb border = toQRgb(borderColour) & kColourBits;
    // bits() detaches a shared image now, so the pointer stays valid while the brush paints.
    const QRgb* bits = reinterpret_cast<const QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    if ((bits[y * stride + x] & kColourBits) == border) return false;
    fitTo(image.width(), image.height());
    // A row beyond the picture has no pixels; seedRuns reads nothing there.
    auto rowAt = [&](int py) {
        const bool inside = py >= 0 && py < image.height();
        return Row{inside ? bits + static_cast<qsizetype>(py) * stride : nullptr, border, py};
    };

    runs_.clear();
    seeds_.assign(1, Seed{x, y, 0, 0, -1});
    while (!seeds_.empty()) {
        const Seed seed = seeds_.back();
        seeds_.pop_back();
        const Row row = rowAt(seed.y);
        if (openBits(row, seed.x, seed.x) == 0) continue;
        const int left = runLeft(row, seed.x);
        const int right = runRight(row, seed.x);
        runs_.push_back(Run{seed.y, left, right});
        mark(runs_.back(), true);
        brush.paintSpan(image, seed.y, left, right + 1);

        const Row above = rowAt(seed.y - 1);
        const Row below = rowAt(seed.y + 1);
        if (seed.direction == 0) {
            seedRuns(above, left, right, -1, left, right);
            seedRuns(below, left, right, 1, left, right);
            continue;
        }
        // Onward in full; back towards the parent only beyond the parent run, which is reached.
        const Row& onward = seed.direction > 0 ? below : above;
        const Row& back = seed.direction > 0 ? above : below;
        seedRuns(onward, left, right, seed.direction, left, right);
        if (left < seed.parentLeft)
            seedRuns(back, left, seed.parentLeft - 1, -seed.direction, left, right);
        if (right > seed.parentRight)
            seedRuns(back, seed.parentRight + 1, right, -seed.direction, left, right);
    }
    for (const Run& run : runs_)
        mark(run, false);
    canvas.canvasChanged();
    return true;
}

} // namespace platform
