// The checks that refine a way's look after its classification and report its problems.

#include "basic/numtext.h"
#include "import/finalstats.h"
#include "import/tagtext.h"
#include "import/waydescribe.h"
#include "import/wayphase.h"


namespace osmimport {

namespace {

constexpr Double kUntaggedMark = 1.0; // lineColour of an untagged relation member

bool contains(std::string_view text, std::string_view needle) {
    return text.find(needle) != std::string_view::npos;
}

std::string quoted(char quote, std::string_view word) {
    std::string needle(1, quote);
    needle += word;
    return needle;
}

void appendIndex(std::string& list, Long index) {
    basic::appendDec(list, index);
    list += '#';
}

} // namespace

void WayPhase::checkLook() {
    using Check = WayClassifierRules::Check;
    const auto has = [this](Check check) { return rules_.holds(found_, check); };
    WayLook& look = look_;
    if (!look.skipEarlyChecks) {
        if (look.lineColour > 0 && has(Check::Constr)) {
            look.wayLineStyleColour = look.lineColour;
            look.lineColour = wayRgb(226, 248, 255);
            look.wayWidth = 7;
            look.wayLineStyle = 0;
            look.wayLayer = 2;
            look.wayFillArg = 7;
        }
        if (look.lineColour > 0 && has(Check::Access)) {
            if (has(Check::Private) || has(Check::AccessNo)) {
                look.lineColour = wayRgb(255, 239, 238);
                look.wayLayer = 3;
                look.wayLineStyleColour = wayRgb(247, 186, 210);
                if (look.wayWidth == 1) look.wayLayer = 6;
                look.wayWidth = 2;
            } else if (look.lineColour > 0 && has(Check::Permissive)) {
                if (look.wayWidth == 1) {
                    look.wayLayer = 6;
                    look.wayWidth = 2;
                }
                look.wayLineStyleColour = wayRgb(229, 255, 204);
            }
        }
        if (way_.relationMember && !has(Check::Tag)) {
            look.lineColour = kUntaggedMark;
            look.isArea = true;
        }
        if (has(Check::Building)) {
            look.wayFill = wayRgb(188, 169, 169);
            look.wayFillArg = 2;
            look.wayLineStyle = 0;
            look.lineColour = 0;
            look.isArea = true;
            appendIndex(lists_.buildingList, way_.index);
        }
    }
    checkBridge();
    if (has(Check::Tunnel)) {
        look.lineColour = wayRgb(119, 119, 119);
        look.wayWidth = 1;
        look.wayLineStyle = 2;
    }
    if (look.lineColour > kUntaggedMark) {
        look.wayFill = wayRgb(160, 160, 160);
    } else {
        // Ways without a line colour of their own gather the box the label search runs in.
        box_ = LabelBox{static_cast<Single>(10 * settings_.scaleWidth),
                        static_cast<Single>(10 * settings_.scaleHeight), 0, 0};
    }
}

void WayPhase::checkBridge() {
    using Check = WayClassifierRules::Check;
    if (!rules_.holds(found_, Check::Bridge)) return;
    WayLook& look = look_;
    if (!rules_.holds(found_, Check::Highway) && !rules_.holds(found_, Check::Railway)) {
        look.problemText = "No highway for bridge.";
        if (rules_.holds(found_, Check::Waterway)) look.problemText.clear();
    }
    if (basic::count(way_.lower, " ref") < 2) look.problemText += "Bridge needs another node";
    look.wayLayer = 11;
    appendIndex(data_->bridgeList, way_.index);
    data_->wayExtraColour[static_cast<std::size_t>(way_.index)] = bridgeInnerColour(look.lineColour);
}

void WayPhase::listPlatform() {
    if (look_.lineColour != wayRgb(154, 154, 154)) return;
    const Degrees first = mapToDegrees(*data_, nodeX(0), nodeY(0));
    basic::appendDec(platformPosList_, first.lon);
    platformPosList_ += ',';
    basic::appendDec(platformPosList_, first.lat);
    platformPosList_ += '#';
}

// A solid one-way line gets an arrow: forward on its first segment (on the segment from node
// n/2 for an even n above 3), reversed ("-1") from its last node back to the one before.
// onewayAt is where the way's raw text holds the key oneway itself (k="oneway").
void WayPhase::placeOnewayArrow(std::size_t onewayAt) {
    const std::size_t p = onewayAt;
    if (p == std::string_view::npos || data_->wayLineStyle[static_cast<std::size_t>(way_.index)] != 0) return;
    // Only the oneway tag decides: its text from the key to the tag's end.
    const std::string_view rest = way_.raw.substr(p);
    const std::string_view from = rest.substr(0, rest.find("/>"));
    const std::size_t n = way_.nodes.size();
    std::size_t a = 0;
    std::size_t b = 1;
    if (contains(from, "yes") || contains(from, quoted(settings_.quote, "1")) || contains(from, "true")) {
        if (n % 2 == 0 && n > 3) {
            a = n / 2;
            b = n / 2 + 1;
        }
    } else if (contains(from, "-1")) {
        a = n - 1;
        b = n - 2;
    } else {
        return;
    }
    const Single angle =
        ATan2(static_cast<Single>(nodeY(b) - nodeY(a)), static_cast<Single>(nodeX(b) - nodeX(a)));
    std::string& list = data_->onewayArrowList;
    basic::appendDec(list, way_.nodes[b]);
    list += '#';
    basic::appendDec(list, angle);
    list += '$';
}

// Visits every segment: an area's corners (all nodes but the last) go into the polygon, a named
// way measures its longest segment, and the segment at the middle reference is checked.
void WayPhase::walkNodes() {
    const std::size_t n = way_.nodes.size();
    const std::size_t middle = static_cast<std::size_t>(way_.refCount / 2);
    const bool named = !data_->wayName[static_cast<std::size_t>(way_.index)].empty();
    for (std::size_t k = 0; k + 1 < n; ++k) {
        if (look_.isArea) way_.polygon.push_back({cornerOf(nodeX(k)), cornerOf(nodeY(k))});
        if (named) {
            const auto length = static_cast<Single>(fnlength(nodeX(k), nodeY(k), nodeX(k + 1), nodeY(k + 1)));
            if (length > way_.longest) {
                way_.longest = static_cast<Single>(basic::roundHalfEven(length));
                way_.longestStart = k;
            }
        }
        if (k == middle || (n == 2 && k == 0)) checkMiddleNode(k);
    }
}

// A way without a line colour of its own and without an area style: an untagged relation
// member becomes a background-coloured area when closed; a bus-stop import line gets its own
// look; anything else is an area or highway the map cannot show, marked "?" at node k + 1.
void WayPhase::checkMiddleNode(std::size_t k) {
    WayLook& look = look_;
    if (look.lineColour >= 2.0 || (look.wayFill != 0 && look.lineColour != kUntaggedMark)) return;
    const std::string tag = tagText();
    look.endMark = true;
    if (way_.relationMember && look.lineColour != kUntaggedMark) return;
    ProjectData& data = *data_;
    const auto i = static_cast<std::size_t>(way_.index);
    if (look.lineColour == kUntaggedMark) {
        if (closed()) {
            appendIndex(lists_.unstyledAreaList, way_.index);
            data.wayFill[i] = settings_.backColour;
            look.wayFill = settings_.backColour;
            look.wayLineStyleColour = settings_.backColour;
            look.wayFillArg = 4;
            look.wayLayer = 2;
        } else {
            look.lineColour = 0;
            look.isArea = false;
        }
    }
    if (contains(tag, "naptan") || look.lineColour == kUntaggedMark) {
        if (look.lineColour != kUntaggedMark) {
            data.wayColour[i] = wayRgb(199, 104, 196);
            data.wayLineStyle[i] = 4;
            data.wayWidth[i] = 1;
            look.wayLayer = 100;
            look.wayFill = data.wayColour[i];
        } else {
            data.wayColour[i] = wayRgb(20, 20, 20);
        }
        return;
    }
    const Long node = way_.nodes[k + 1];
    if (closed() && way_.nodes.size() > 2) {
        placeQuestMarker(data, node, fntag("AREA:" + tag, way_.allRefsFound, settings_.quote));
        ++data.questAreaCount;
        sink_.caption(kQuestAreaCaption, data.questAreaCount);
    } else {
        placeQuestMarker(data, node,
                         contains(way_.raw, "<tag") ? std::string(textAfterFirstTag(tag)) : "highway unknown");
        sink_.caption(kQuestCaption, data.questCount - data.questAreaCount);
    }
    look.endMark = false;
}

// A way the middle check left marked and that has no area style gets a "?" marker at its
// last visited node.
void WayPhase::placeFallbackMarker() {
    if (look_.wayFill != 0 || !look_.endMark) return;
    std::string text = tagText();
    if (closed()) text.insert(0, "AREA:");
    placeQuestMarker(*data_, way_.nodes[way_.nodes.size() - 2], std::move(text));
}

// The raw text from four characters after its first "tag" (from its fourth character when it
// has none).
std::string WayPhase::tagText() const {
    const std::size_t tag = way_.raw.find("tag");
    const std::size_t from = tag == std::string_view::npos ? 3 : tag + 4;
    return std::string(way_.raw.substr(std::min(from, way_.raw.size())));
}

} // namespace osmimport
