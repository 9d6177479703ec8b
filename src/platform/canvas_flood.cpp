#include "platform/canvas_flood.h"

#include "platform/canvas.h"
#include "platform/canvascolour.h"
#include "platform/gdibrush.h"

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

bool FloodFiller::fill(Canvas& canvas, int x, int y, basic::Long borderColour, const Brush& brush) {
    QImage& image = canvas.image();
    if (!image.rect().contains(x, y)) return false;
    const QRgb border = toQRgb(borderColour) & kColourBits;
    // bits() detaches a shared image now, so the pointer stays valid while the brush paints.
    const QRgb* bits = reinterpret_cast<const QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    auto isBorder = [&](int px, int py) { return (bits[py * stride + px] & kColourBits) == border; };
    if (isBorder(x, y)) return false;
    fitTo(image.width(), image.height());
    auto open = [&](int px, int py) { return !reached(px, py) && !isBorder(px, py); };

    // One seed for each run of open pixels x0..x1 of row py, the children of the run l..r.
    auto seedRuns = [&](int py, int x0, int x1, int direction, int l, int r) {
        if (py < 0 || py >= height_) return;
        bool inRun = false;
        for (int px = x0; px <= x1; ++px) {
            const bool isOpen = open(px, py);
            if (isOpen && !inRun) seeds_.push_back(Seed{px, py, direction, l, r});
            inRun = isOpen;
        }
    };

    runs_.clear();
    seeds_.assign(1, Seed{x, y, 0, 0, -1});
    while (!seeds_.empty()) {
        const Seed seed = seeds_.back();
        seeds_.pop_back();
        if (!open(seed.x, seed.y)) continue;
        int left = seed.x;
        while (left > 0 && open(left - 1, seed.y))
            --left;
        int right = seed.x;
        while (right + 1 < width_ && open(right + 1, seed.y))
            ++right;
        runs_.push_back(Run{seed.y, left, right});
        mark(runs_.back(), true);
        brush.paintSpan(image, seed.y, left, right + 1);

        if (seed.direction == 0) {
            seedRuns(seed.y - 1, left, right, -1, left, right);
            seedRuns(seed.y + 1, left, right, 1, left, right);
            continue;
        }
        // Onward in full; back towards the parent only beyond the parent run, which is reached.
        const int onward = seed.direction;
        seedRuns(seed.y + onward, left, right, onward, left, right);
        if (left < seed.parentLeft)
            seedRuns(seed.y - onward, left, seed.parentLeft - 1, -onward, left, right);
        if (right > seed.parentRight)
            seedRuns(seed.y - onward, seed.parentRight + 1, right, -onward, left, right);
    }
    for (const Run& run : runs_)
        mark(run, false);
    canvas.canvasChanged();
    return true;
}

} // namespace platform
