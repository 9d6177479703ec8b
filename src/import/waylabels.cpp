// Where a way's name and label go: the street-name position of a named way, the label point of
// an area (also the seed of its flood fill) with its label record, and the report of an area
// that is not closed.

#include "basic/case.h"
#include "basic/numtext.h"
#include "basic/text.h"
#include "import/tagtext.h"
#include "import/waydescribe.h"
#include "import/wayphase.h"

#include <cmath>

namespace osmimport {

namespace {

bool contains(std::string_view text, std::string_view needle) {
    return text.find(needle) != std::string_view::npos;
}

// Whether "#" & index & "#" occurs in list, whose entries before `from` belong to other ways.
bool listed(std::string_view list, std::size_t from, Long index) {
    const std::string entry = "#" + basic::dec(index) + "#";
    return list.find(entry, from == 0 ? 0 : from - 1) != std::string_view::npos;
}

// The way's own text from its FIXME (in any case) to the end of that tag; empty when it has none.
std::string_view fixmeQuote(std::string_view raw) {
    const std::size_t fixme = basic::lcase(raw).find("fixme");
    if (fixme == std::string::npos) return {};
    const std::string_view from = raw.substr(fixme);
    return from.substr(0, from.find("/>"));
}

bool sameBox(const LabelBox& a, const LabelBox& b) {
    return a.minX == b.minX && a.minY == b.minY && a.maxX == b.maxX && a.maxY == b.maxY;
}

} // namespace

// The name starts at the left node of the longest segment (the first of equal ones) and runs
// at that segment's angle.
void WayPhase::placeStreetName() {
    ProjectData& data = *data_;
    const auto i = static_cast<std::size_t>(way_.index);
    if (data.wayName[i].empty()) return;
    std::size_t s = way_.longestStart;
    if (s + 1 > way_.nodes.size() - 1) s = 0;
    std::size_t b = s;
    std::size_t a = s + 1;
    if (nodeX(a) > nodeX(b)) std::swap(a, b);
    data.wayNameAngle[i] = streetNameAngle(static_cast<Single>(nodeX(a)), static_cast<Single>(nodeY(a)),
                                           static_cast<Single>(nodeX(b)), static_cast<Single>(nodeY(b)));
    data.wayNameNode[i] = way_.nodes[a];
    basic::appendDec(data.streetNameList, way_.index);
    data.streetNameList += '#';
    data.wayMaxSegment[i] = way_.longest;
}

void WayPhase::placeLabel() {
    ProjectData& data = *data_;
    const auto i = static_cast<std::size_t>(way_.index);
    const char q = settings_.quote;
    const TextWidth width = [this](std::string_view text) { return sink_.textWidth(text); };
    Single cx = 0;
    Single cy = 0;
    if (look_.wayFill >= 1 && look_.wayFill <= 29) {
        // A pattern tile is laid from the centre.
        labelCentroid(way_.polygon, cx, cy);
        data.wayLabelX[i] = cx;
        data.wayLabelY[i] = cy;
        data.wayFill[i] = look_.wayFill;
    } else if (look_.isArea) {
        // The search read ahead holds when it was made for these corners (every node but the
        // last of a closed way) in this box.
        const bool aheadHolds = ahead_ && ahead_->searchedAhead && closed() &&
                                way_.polygon.size() + 1 == way_.nodes.size() && sameBox(ahead_->box, box_);
        const LabelSearch search =
            aheadHolds ? ahead_->search
                       : searchLabelPoint(way_.polygon, box_, [this] { return client_.cancelRequested(); });
        if (search.cancelled) {
            cancelled_ = true;
            return;
        }
        bool found = search.found;
        cx = search.cx;
        cy = search.cy;
        // A label that found no place still gets a record at the last point tried; from here
        // on the saved way text holds the label's text.
        if (search.searched && !found) addAreaLabel(data, cx, cy, way_.lower, way_.raw, q, width);
        if (reportUnclosedArea()) {
            found = false;
            cx = 0;
            cy = 0;
        }
        if (found && (cx > box_.maxX || cx < box_.minX || cy < box_.minY || cy > box_.maxY)) found = false;
        if (found) {
            data.wayLabelX[i] = cx;
            data.wayLabelY[i] = cy;
            data.wayFill[i] = look_.wayFill;
            data.wayFillArg[i] = look_.wayFillArg;
            if (std::fabs(cx - box_.maxX) < 2) found = false;
        }
        if (!found) cx = 0;
    } else {
        return;
    }
    if (cx > 0 || look_.wayFill < 30) {
        // Only a place found makes a record here: a label that found none has its record at the
        // last point tried already, and an area of 0 has no place for one.
        if (cx > 0) addAreaLabel(data, cx, cy, way_.lower, way_.raw, q, width);
        if (!listed(lists_.landAreaList, way_.landAreaBefore, way_.index) &&
            !listed(lists_.residentialList, way_.residentialBefore, way_.index)) {
            basic::appendDec(data.areaList, way_.index);
            data.areaList += '#';
        }
    }
}

// An area whose last node is not its first, all of whose references were found: a chain arrow
// at its first node, an "Areas not closed" entry, and the way drawn as unclosed.
bool WayPhase::reportUnclosedArea() {
    if (closed() || !look_.isArea || !way_.allRefsFound) return false;
    ProjectData& data = *data_;
    std::string& saved = way_.lower;
    if (contains(saved, "man_mad")) saved.insert(0, "Try tag:'barrier'\r\n\r\n");
    getchain(data, sink_,
             "Area not closed: Arrow points to node with broken link.\r\n" + look_.problemText + "\r\n" +
                 fntag(saved, way_.allRefsFound, settings_.quote));
    basic::appendDec(unclosedIndexList_, way_.index);
    unclosedIndexList_ += ',';
    basic::appendDec(data.chainList, way_.nodes.front());
    data.chainList += '#';

    std::string entry(textAfterFirstTag(saved));
    if (entry.empty())
        entry = "broken chain without tags";
    else if (contains(entry, "<nd"))
        entry = basic::dec(static_cast<Long>(basic::count(entry, "<nd"))) + " nodes";
    basic::appendDec(data.unclosedAreaList, data.chainCount);
    data.unclosedAreaList.append("$").append(entry).append("\r\n");

    if (contains(saved, "b b  ")) {
        basic::appendDec(data.fixmeList, data.chainCount);
        data.fixmeList += '$';
        data.fixmeList += fixmeQuote(way_.raw);
        data.fixmeList += "\r\n";
        ++data.fixmeCount;
    }
    return true;
}

} // namespace osmimport
