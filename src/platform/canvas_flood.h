#pragma once
// The border flood fill of the map passes: the fill of extFloodFill (floodfill.h), pixel for
// pixel, by a filler that keeps its mask of reached pixels from one fill to the next and clears
// only what a fill reached. A map floods thousands of small areas on one large picture; each
// fill then costs what its area costs, not what the picture's size costs. Rows are scanned up to
// 64 pixels at a time: a chunk's open pixels (not reached, not the border colour) become one word
// of bits, whose run starts and ends are found with bit operations rather than pixel by pixel.

#include "basic/numbers.h"

#include <QRgb>
#include <cstdint>
#include <vector>

namespace platform {

class Brush;
class Canvas;

class FloodFiller {
public:
    // Fills, with the brush, every pixel 4-connected to the seed (x, y) through pixels whose
    // colour is not the border colour. False, changing nothing, when the seed lies outside the
    // image or on a border-colour pixel.
    bool fill(Canvas& canvas, int x, int y, basic::Long borderColour, const Brush& brush);

private:
    struct Run {
        int y;
        int left;
        int right;
    };
    // A pixel to grow a run from, next to the run on row y - direction (its parent); direction
    // 0 marks the first seed, which has no parent.
    struct Seed {
        int x;
        int y;
        int direction;
        int parentLeft;
        int parentRight;
    };

    // The row being scanned: its pixels and the colour that stops the fill.
    struct Row {
        const QRgb* pixels;
        QRgb border;
        int y;
    };

    void fitTo(int width, int height);
    // Bit x - from / 64 * 64 for each open pixel x of from..to, which lie in one word.
    std::uint64_t openBits(const Row& row, int from, int to) const;
    // The ends of the run of open pixels through the open pixel x.
    int runLeft(const Row& row, int x) const;
    int runRight(const Row& row, int x) const;
    // One seed for each run of open pixels within x0..x1 of row y, children of the run l..r.
    void seedRuns(const Row& row, int x0, int x1, int direction, int l, int r);
    void mark(const Run& run, bool on);
    std::size_t row(int y) const { return static_cast<std::size_t>(y) * wordsPerRow_; }

    int width_ = 0;
    int height_ = 0;
    std::size_t wordsPerRow_ = 0;
    std::vector<std::uint64_t> words_;
    std::vector<Run> runs_;
    std::vector<Seed> seeds_;
};

} // namespace platform
