#include "import/labelpoint.h"

#include "basic/numtext.h"
#include "basic/text.h"
#include "basic/val.h"
#include "import/tagtext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace osmimport {

namespace {

// The five-point test of one candidate, with a quick refusal of points outside the corners' own
// bounding box (they cannot lie inside, and the summed-angle test costs one arc tangent per
// edge).
class Candidates {
public:
    explicit Candidates(std::span<const PolyPoint> corners) : corners_(corners) {
        if (corners.empty()) return;
        const auto [minX, maxX] = std::minmax_element(
            corners.begin(), corners.end(), [](const PolyPoint& a, const PolyPoint& b) { return a.X < b.X; });
        const auto [minY, maxY] = std::minmax_element(
            corners.begin(), corners.end(), [](const PolyPoint& a, const PolyPoint& b) { return a.Y < b.Y; });
        minX_ = static_cast<Single>(minX->X);
        maxX_ = static_cast<Single>(maxX->X);
        minY_ = static_cast<Single>(minY->Y);
        maxY_ = static_cast<Single>(maxY->Y);
    }

    bool passes(Single x, Single y, Single d) const {
        return inside(x, y) && inside(x + d, y) && inside(x - d, y) && inside(x, y + d) && inside(x, y - d);
    }

private:
    bool inside(Single x, Single y) const {
        if (corners_.empty() || x < minX_ || x > maxX_ || y < minY_ || y > maxY_) return false;
        return InsidePolygon(x, y, corners_);
    }

    std::span<const PolyPoint> corners_;
    Single minX_ = 0;
    Single maxX_ = 0;
    Single minY_ = 0;
    Single maxY_ = 0;
};

// The candidates of one search: counted against kMostLabelCandidates, with the cancel asked
// every kLabelCandidatesPerAsk of them.
class Budget {
public:
    explicit Budget(const CancelCheck& cancelled) : cancelled_(cancelled) {}

    // False once the search must stop: the budget is spent or the import was cancelled.
    bool take() {
        if (stopped()) return false;
        ++spent_;
        if (cancelled_ && spent_ % kLabelCandidatesPerAsk == 0 && cancelled_()) cancelledSeen_ = true;
        return !cancelledSeen_;
    }
    bool stopped() const noexcept { return spent_ >= kMostLabelCandidates || cancelledSeen_; }
    bool cancelled() const noexcept { return cancelledSeen_; }

private:
    const CancelCheck& cancelled_;
    int spent_ = 0;
    bool cancelledSeen_ = false;
};

// Runs tryValue(v) for v = from, from + step, ... while v does not pass to, as a loop over a
// Single counter does, until tryValue accepts or the budget ends the search. A counter too
// large to grow by step ends the loop instead of spinning.
template <typename Try> bool forSingle(Single from, Single to, Single step, Budget& budget, Try&& tryValue) {
    for (Single v = from; v <= to;) {
        if (!budget.take()) return false;
        if (tryValue(v)) return true;
        const Single next = v + step;
        if (next == v) break;
        v = next;
    }
    return false;
}

// The label keys of unnamed features, in the order they are tried.
constexpr std::array<std::string_view, 10> kLabelKeys = {"leis", "landu", "natu", "amen",   "powe",
                                                         "man_", "aer",   "mili", "waterw", "touris"};

} // namespace

void widenLabelBox(LabelBox& box, Single x, Single y) {
    if (x < box.minX) box.minX = x;
    if (x > box.maxX) box.maxX = x;
    if (y < box.minY) box.minY = y;
    if (y > box.maxY) box.maxY = y;
}

bool labelCentroid(std::span<const PolyPoint> corners, Single& cx, Single& cy) {
    if (!FindCentroid(corners, cx, cy)) return false;
    cx = static_cast<Single>(basic::val(basic::dec(cx)));
    cy = static_cast<Single>(basic::val(basic::dec(cy)));
    return true;
}

LabelSearch searchLabelPoint(std::span<const PolyPoint> corners, const LabelBox& box,
                             const CancelCheck& cancelled) {
    LabelSearch s;
    labelCentroid(corners, s.cx, s.cy);
    if (s.cx < 1 || s.cy < 1) return s;
    s.searched = true;

    const Candidates candidates(corners);
    Budget budget(cancelled);
    const auto found = [&](int pass) {
        s.found = true;
        s.pass = pass;
        return s;
    };
    // A stopped search keeps the last point it tried.
    const auto stopped = [&] {
        s.cancelled = budget.cancelled();
        return budget.stopped();
    };

    if (candidates.passes(s.cx, s.cy, 1)) return found(1);

    const Single rangeX = box.maxX - box.minX;
    const Single rangeY = box.maxY - box.minY;
    const Single middleX = box.minX + rangeX / 2;
    const Single middleY = box.minY + rangeY / 2;

    s.cy = middleY;
    if (forSingle(box.minX, box.maxX, 4, budget, [&](Single x) {
            s.cx = x;
            return candidates.passes(s.cx, s.cy, 4);
        })) {
        return found(2);
    }
    if (stopped()) return s;

    s.cy = middleY;
    if (forSingle(rangeX / 2, box.maxX / 2, 4, budget, [&](Single t) {
            s.cx = box.minX + t;
            return candidates.passes(s.cx, s.cy, 4);
        })) {
        return found(3);
    }
    if (stopped()) return s;

    s.cx = middleX;
    if (forSingle(rangeY / 2, box.maxY / 2, 4, budget, [&](Single t) {
            s.cy = box.minY + t;
            return candidates.passes(s.cx, s.cy, 3);
        })) {
        return found(4);
    }
    if (stopped()) return s;

    // A box without width has no diagonal to walk (and t / 0 has no value).
    if (rangeX != 0 && forSingle(0, rangeX, 1, budget, [&](Single t) {
            s.cx = box.minX + t;
            s.cy = box.maxY - t / rangeX * rangeY;
            return candidates.passes(s.cx, s.cy, 2);
        })) {
        return found(5);
    }
    stopped();
    return s;
}

Long streetNameAngle(Single ax, Single ay, Single bx, Single by) {
    const Single angle = GetAngle(ax, ay, bx, by, ax, by);
    // A node beyond every range has no direction to it (the angle has no value): level.
    if (!std::isfinite(angle)) return 0;
    // Whole degrees as the "0" format writes them: halves away from zero.
    auto degrees = static_cast<Long>(std::round(angle / kPolygonPi * 180));
    if (degrees < 0) degrees += 360;
    return degrees;
}

std::string areaLabelText(std::string_view piece, char quote) {
    basic::Position p = basic::instr(piece, "name");
    if (p > 0) return std::string(tagv(piece, p, quote));
    if (basic::instr(piece, "resid") > 0 || basic::instr(piece, "build") > 0) return {};
    std::string needle(1, quote);
    for (const std::string_view key : kLabelKeys) {
        needle.resize(1);
        needle += key;
        p = basic::instr(piece, needle);
        if (p > 0) return std::string(tagv(piece, p, quote));
    }
    return {};
}

void addAreaLabel(ProjectData& data, Single x, Single y, std::string& text, std::string_view piece, char quote,
         const TextWidth& width) {
    text = areaLabelText(piece, quote);
    if (text.empty()) return;
    LabelRecord record;
    record.caption = text;
    record.x = std::floor(static_cast<Double>(x));
    record.y = std::floor(static_cast<Double>(y));
    if (width) record.width = width(text);
    data.labels.push_back(std::move(record));
    data.lab2Count = static_cast<Long>(data.labels.size());
}

} // namespace osmimport
