#include "render/drawcontext.h"

#include "basic/fault.h"
#include "import/indexlist.h"
#include "platform/events.h"
#include "window/mapwindow.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace render {

using basic::Long;

DrawContext::DrawContext(core::MapWindow& window, DrawErrors& errorPath)
    : map(window), global(window.global), data(window.data), p1(window.view.p1), errors(errorPath),
      windows(drawWindows(window.view)), authors(window.legendPanel.List1) {}

void DrawContext::prepare() {
    lists = readDrawingLists(data);
    nodeCount_ = std::min<Long>(data.nodeCount, static_cast<Long>(data.nodeX.size()) - 1);
    const std::size_t nodes = static_cast<std::size_t>(std::max<Long>(nodeCount_, 0)) + 1;
    screenX_.assign(nodes, 0);
    screenY_.assign(nodes, 0);
    pixel_.assign(nodes, QPoint());
    placeable_.assign(nodes, 0);
    for (std::size_t n = 0; n < nodes && n < data.nodeX.size(); ++n) {
        screenX_[n] = screenX(data.nodeX[n]);
        screenY_[n] = screenY(data.nodeY[n]);
        // The nearest pixel, halves to even, as the picture converts every point.
        const double px = std::nearbyint(p1.toPixelX(screenX_[n]));
        const double py = std::nearbyint(p1.toPixelY(screenY_[n]));
        if (!(std::abs(px) <= INT32_MAX && std::abs(py) <= INT32_MAX)) continue;
        pixel_[n] = QPoint(static_cast<int>(px), static_cast<int>(py));
        placeable_[n] = 1;
    }
    reach_.clear();
    leakedWays.clear();
    for (Long way : osmimport::indexPieces(data.leakedAreas, 0))
        if (way != osmimport::kNotANumber) leakedWays.insert(way);
}

bool DrawContext::isWay(Long i) const {
    return i >= 1 && i <= data.wayCount && static_cast<std::size_t>(i) + 1 < data.wayNodeStart.size();
}

std::span<const Long> DrawContext::nodesOf(Long i) const {
    if (i < 0 || static_cast<std::size_t>(i) + 1 >= data.wayNodeStart.size()) return {};
    const auto from = static_cast<std::size_t>(data.wayNodeStart[static_cast<std::size_t>(i)]);
    const auto to = static_cast<std::size_t>(data.wayNodeStart[static_cast<std::size_t>(i) + 1]);
    return std::span<const Long>(data.wayNodeIndex).subspan(from, to - from);
}

float DrawContext::screenX(double mapX) const {
    return static_cast<float>(global.viewZoom * mapX + global.viewOffX);
}

float DrawContext::screenY(double mapY) const {
    return static_cast<float>(global.viewZoom * mapY + global.viewOffY);
}

void DrawContext::line(Long a, Long b) {
    // A node no pixel can hold lies far off any view: its segments are left out, as a node
    // index the file does not hold is.
    if (placeable(a) && placeable(b)) p1.linePixels(pixel(a), pixel(b), x(b), y(b));
}

void DrawContext::drawWay(Long i, const DrawWindow* window) {
    if (!window && passedBeside(i)) return;
    Stroke stroke(*this);
    forEachSegment(i, [&](std::size_t, Long a, Long b) {
        if (!window || window->contains(x(a), y(a))) stroke.line(a, b);
    });
}

void DrawContext::Stroke::line(Long a, Long b) {
    if (!c_.placeable(a) || !c_.placeable(b)) return;
    const QPoint from = c_.pixel(a);
    if (from == c_.pixel(b) && (c_.p1.drawWidth() <= 1 || (drawn_ && from == end_))) {
        c_.p1.setCurrentX(c_.x(b));
        c_.p1.setCurrentY(c_.y(b));
        return;
    }
    c_.line(a, b);
    end_ = c_.pixel(b);
    drawn_ = true;
}

const DrawContext::WayReach& DrawContext::reachOf(Long i) {
    if (reach_.empty()) reach_.resize(data.wayNodeStart.size());
    WayReach& way = reach_[static_cast<std::size_t>(i)];
    if (way.measured) return way;
    way.measured = true;
    const std::span<const Long> nodes = nodesOf(i);
    for (std::size_t j = 0; j + 1 < nodes.size(); ++j) {
        const Long a = nodes[j];
        const Long b = nodes[j + 1];
        if (a == osmimport::kNotANumber || b == osmimport::kNotANumber) way.notANumber = true;
        if (!isNode(a) || !isNode(b) || !placeable(a) || !placeable(b)) continue;
        for (const QPoint at : {pixel(a), pixel(b)}) {
            way.left = std::min<std::int64_t>(way.left, at.x());
            way.top = std::min<std::int64_t>(way.top, at.y());
            way.right = std::max<std::int64_t>(way.right, at.x());
            way.bottom = std::max<std::int64_t>(way.bottom, at.y());
        }
        way.lastEnd = b;
    }
    return way;
}

bool DrawContext::mayReach(Long i) {
    if (i < 0 || static_cast<std::size_t>(i) + 1 >= data.wayNodeStart.size()) return true;
    const WayReach& way = reachOf(i);
    if (way.notANumber) return true;
    // A pen reaches half its width from the line, and a pixel more for the rounding of its ends.
    const std::int64_t reach = p1.drawWidth() / 2 + 2;
    const auto meets = [&](const QRect& part) {
        return way.right + reach >= part.left() && way.bottom + reach >= part.top() &&
               way.left - reach <= part.right() && way.top - reach <= part.bottom();
    };
    if (probes_.empty()) return meets(QRect(0, 0, p1.pixelWidth(), p1.pixelHeight()));
    return std::any_of(probes_.begin(), probes_.end(), meets);
}

bool DrawContext::passedBeside(Long i) {
    if (mayReach(i)) return false;
    const WayReach& way = reachOf(i);
    if (way.lastEnd != 0) {
        p1.setCurrentX(x(way.lastEnd));
        p1.setCurrentY(y(way.lastEnd));
    }
    return true;
}

void DrawContext::yield() {
    // Asking on every 16th item is still far more often than input can be reported (every
    // 30 ms at most), and spares a clock reading per item.
    if (++yields_ % 16 == 0 && platform::inputPending() != 0) platform::doEvents();
}

void DrawContext::notANumber() {
    errors.run([] { basic::raise(basic::fault::TypeMismatch); });
}

void DrawContext::noteAuthor(const std::string& user) {
    authors.note(user, data.authorSelected);
}

} // namespace render
