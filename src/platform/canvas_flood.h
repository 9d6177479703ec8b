#pragma once
// The border flood fill of the map passes: the fill of extFloodFill (floodfill.h), pixel for
// pixel, by a filler that keeps its mask of reached pixels from one fill to the next and clears
// only what a fill reached. A map floods thousands of small areas on one large picture; each
// fill then costs what its area costs, not what the picture's size costs.

#include "basic/numbers.h"

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

    void fitTo(int width, int height);
    bool reached(int x, int y) const { return (words_[row(y) + x / 64] >> (x % 64)) & 1u; }
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
