#include "platform/floodfill.h"

#include "platform/canvas.h"
#include "platform/canvascolour.h"
#include "platform/gdibrush.h"

#include <vector>

namespace platform {
namespace {

// One bit per pixel: reached by the fill. Rows start on whole words.
class Reached {
public:
    Reached(int width, int height)
        : wordsPerRow_((static_cast<size_t>(width) + 63) / 64),
          words_(wordsPerRow_ * static_cast<size_t>(height)) {}

    bool test(int x, int y) const { return (row(y)[x / 64] >> (x % 64)) & 1u; }

    // Marks x0..x1 of row y, both included.
    void mark(int y, int x0, int x1) {
        std::uint64_t* words = row(y);
        const int first = x0 / 64;
        const int last = x1 / 64;
        const std::uint64_t headMask = ~std::uint64_t(0) << (x0 % 64);
        const std::uint64_t tailMask = ~std::uint64_t(0) >> (63 - x1 % 64);
        if (first == last) {
            words[first] |= headMask & tailMask;
            return;
        }
        words[first] |= headMask;
        for (int w = first + 1; w < last; ++w)
            words[w] = ~std::uint64_t(0);
        words[last] |= tailMask;
    }

private:
    const std::uint64_t* row(int y) const { return words_.data() + static_cast<size_t>(y) * wordsPerRow_; }
    std::uint64_t* row(int y) { return words_.data() + static_cast<size_t>(y) * wordsPerRow_; }

    size_t wordsPerRow_;
    std::vector<std::uint64_t> words_;
};

// A pixel to grow a span from, found next to the span on row y − direction (the parent);
// direction 0 marks the first seed, which has no parent.
struct Seed {
    int x;
    int y;
    int direction;
    int parentLeft;
    int parentRight;
};

} // namespace

bool extFloodFill(Canvas& canvas, int x, int y, basic::Long borderColour, const Brush& brush) {
    QImage& image = canvas.image();
    if (!image.rect().contains(x, y)) return false;
    const QRgb border = toQRgb(borderColour) & kColourBits;
    // bits() detaches a shared image now, so the pointer stays valid while the brush paints.
    const QRgb* bits = reinterpret_cast<const QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const int width = image.width();
    const int height = image.height();
    auto isBorder = [&](int px, int py) { return (bits[py * stride + px] & kColourBits) == border; };
    if (isBorder(x, y)) return false;

    Reached reached(width, height);
    auto open = [&](int px, int py) { return !reached.test(px, py) && !isBorder(px, py); };
    std::vector<Seed> seeds{{x, y, 0, 0, -1}};

    // Pushes one seed for each run of open pixels x0..x1 of row py, the children of span l..r.
    auto seedRuns = [&](int py, int x0, int x1, int direction, int l, int r) {
        if (py < 0 || py >= height) return;
        bool inRun = false;
        for (int px = x0; px <= x1; ++px) {
            const bool isOpen = open(px, py);
            if (isOpen && !inRun) seeds.push_back(Seed{px, py, direction, l, r});
            inRun = isOpen;
        }
    };

    while (!seeds.empty()) {
        const Seed seed = seeds.back();
        seeds.pop_back();
        if (!open(seed.x, seed.y)) continue;
        int left = seed.x;
        while (left > 0 && open(left - 1, seed.y))
            --left;
        int right = seed.x;
        while (right + 1 < width && open(right + 1, seed.y))
            ++right;
        reached.mark(seed.y, left, right);
        brush.paintSpan(image, seed.y, left, right + 1);

        if (seed.direction == 0) {
            seedRuns(seed.y - 1, left, right, -1, left, right);
            seedRuns(seed.y + 1, left, right, 1, left, right);
            continue;
        }
        // Onward in full; back towards the parent only beyond the parent span, which is reached.
        const int onward = seed.direction;
        seedRuns(seed.y + onward, left, right, onward, left, right);
        if (left < seed.parentLeft)
            seedRuns(seed.y - onward, left, seed.parentLeft - 1, -onward, left, right);
        if (right > seed.parentRight)
            seedRuns(seed.y - onward, seed.parentRight + 1, right, -onward, left, right);
    }
    canvas.canvasChanged();
    return true;
}

} // namespace platform
