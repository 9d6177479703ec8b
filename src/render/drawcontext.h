#pragma once
// The working data of one redraw, shared by its passes: the map picture, the error path, the
// drawing lists read into numbers, the screen point of every node at the current view (worked
// out once, in p1's units and single precision), and the state the passes hand on.

#include "basic/numbers.h"
#include "import/indexlist.h"
#include "platform/canvas_flood.h"
#include "render/authorlist.h"
#include "render/drawerrors.h"
#include "render/drawwindows.h"
#include "render/waygeometry.h"

#include <QPoint>
#include <QRect>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_set>
#include <vector>

namespace core {
class MapWindow;
struct Global;
struct MapData;
} // namespace core

namespace platform {
class PictureBox;
}

namespace render {

class DrawContext {
public:
    DrawContext(core::MapWindow& map, DrawErrors& errors);

    core::MapWindow& map;
    core::Global& global;
    core::MapData& data;
    platform::PictureBox& p1;
    DrawErrors& errors;

    DrawingLists lists;
    // The windows for what the viewport shows at this drawing.
    DrawWindows windows;
    // True at the start of every redraw; the area pass clears it after a leaked flood fill.
    bool floodAllowed = true;
    // List1, the authors of the ways drawn.
    AuthorList authors;
    // The ways leakedAreas records ("#" & i & "#" each), never flooded again.
    std::unordered_set<basic::Long> leakedWays;
    // The flood fill of the colour areas, one for all of them.
    platform::FloodFiller flood;

    // Reads the drawing lists and places the nodes; after the reload.
    void prepare();

    bool isNode(basic::Long n) const { return n >= 1 && n <= nodeCount_; }
    bool isWay(basic::Long i) const;
    // The node indices of way i, none for a way outside 0..wayCount.
    std::span<const basic::Long> nodesOf(basic::Long i) const;
    float x(basic::Long node) const { return screenX_[static_cast<std::size_t>(node)]; }
    float y(basic::Long node) const { return screenY_[static_cast<std::size_t>(node)]; }
    // The node's device pixel on p1; whether it has one (a point beyond the 32-bit range has
    // none, and a line to it overflows).
    QPoint pixel(basic::Long node) const { return pixel_[static_cast<std::size_t>(node)]; }
    bool placeable(basic::Long node) const { return placeable_[static_cast<std::size_t>(node)] != 0; }
    // The screen point of a map point.
    float screenX(double mapX) const;
    float screenY(double mapY) const;

    // Calls segment(j, a, b) for every segment j of way i whose nodes a and b are both valid;
    // whether every segment was. A piece that is no number takes the error path.
    template <class F> bool forEachSegment(basic::Long i, F&& segment) {
        const std::span<const basic::Long> nodes = nodesOf(i);
        bool allValid = true;
        for (std::size_t j = 0; j + 1 < nodes.size(); ++j) {
            const basic::Long a = nodes[j];
            const basic::Long b = nodes[j + 1];
            if (isNode(a) && isNode(b)) {
                segment(j, a, b);
                continue;
            }
            allValid = false;
            if (a == osmimport::kNotANumber || b == osmimport::kNotANumber) notANumber();
        }
        return allValid;
    }
    // Calls draw(i) for every way index of a drawing list, yielding between ways. A piece that
    // is no number takes the error path; an index outside the way records is skipped.
    template <class Draw> void forEachListedWay(const std::vector<basic::Long>& list, Draw&& draw) {
        for (const basic::Long i : list) {
            yield();
            if (i == osmimport::kNotANumber) {
                notANumber();
                continue;
            }
            if (isWay(i)) draw(i);
        }
    }
    // A line with p1's pen between the screen points of two valid nodes; a line p1 cannot draw
    // takes the error path.
    void line(basic::Long a, basic::Long b);
    // Draws every segment of way i whose nodes are both valid and, with a window, whose start
    // lies in it; without one, a way that would ink nothing is passed over (passedBeside). A
    // piece that is no number takes the error path and skips its segments.
    void drawWay(basic::Long i, const DrawWindow* window);

    // The segments of one way drawn in turn with one pen, nothing else drawn between them. At
    // the zoom a map opens with, many segments start and end on one pixel: such a segment inks
    // nothing with a thin pen, and with a wide one only the round end the segment drawn before
    // it ended with. It is left out; the current position still moves to its end.
    class Stroke {
    public:
        explicit Stroke(DrawContext& c) : c_(c) {}
        // As DrawContext::line.
        void line(basic::Long a, basic::Long b);
        // Something else was drawn over the way: the next segment is drawn in full.
        void interrupt() { drawn_ = false; }

    private:
        DrawContext& c_;
        QPoint end_;
        bool drawn_ = false;
    };
    // Whether way i, drawn whole with p1's pen, would ink nothing: every segment it draws (both
    // nodes valid, each on a pixel) lies farther beside the picture than the pen reaches. The
    // current position is then left where drawing the way would leave it, at the end of its last
    // such segment, and the way need not be drawn. False for a way with a piece that is no
    // number, whose drawing takes the error path.
    bool passedBeside(basic::Long i);
    // Whether way i, drawn whole with p1's pen, reaches the part of the picture that counts: the
    // whole picture, or only the probes while they are set.
    bool mayReach(basic::Long i);

    // While probes are set, only pixels in them count: a run whose picture is wiped afterwards
    // still decides, by a few pixels, what follows. Empty: the whole picture counts again.
    void countOnly(std::vector<QRect> probes) { probes_ = std::move(probes); }
    bool probing() const { return !probes_.empty(); }

    // Lets pending window events run when input is waiting.
    void yield();
    // The error path for a piece of a list that is no number.
    void notANumber();

    // Adds an author to List1 unless it is listed already, empty, or an author is chosen.
    void noteAuthor(const std::string& user);

private:
    // What a way draws on the picture: the pixel box of its segments, the end node of the last
    // (0 when it draws none), and whether a piece of it is no number.
    struct WayReach {
        bool measured = false;
        bool notANumber = false;
        basic::Long lastEnd = 0;
        std::int64_t left = INT64_MAX;
        std::int64_t top = INT64_MAX;
        std::int64_t right = INT64_MIN;
        std::int64_t bottom = INT64_MIN;
    };
    const WayReach& reachOf(basic::Long i);

    basic::Long nodeCount_ = 0;
    std::vector<float> screenX_;
    std::vector<float> screenY_;
    std::vector<QPoint> pixel_;
    std::vector<char> placeable_;
    // Per way 0..wayCount, each measured at its first passedBeside of a drawing.
    std::vector<WayReach> reach_;
    std::vector<QRect> probes_;
    unsigned yields_ = 0;
};

} // namespace render
