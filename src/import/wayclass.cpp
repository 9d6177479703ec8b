#include "import/wayclass.h"

#include "basic/numtext.h"
#include "import/tagtext.h"

#include <algorithm>
#include <string_view>

namespace osmimport {

namespace {

constexpr std::string_view kRoadTypeProblem = "Error: Higway is named 'type road name'";
constexpr char kMarkedName = char(31); // the drawing shows such names in its water colour

void appendIndex(std::string& list, Long index) {
    list += basic::dec(index);
    list += '#';
}

// The id a "<nd ref=" names: the text between the quote character that opens it and the next
// one; empty when it is not quoted.
std::string_view refId(std::string_view raw, std::size_t at) {
    if (at >= raw.size() || (raw[at] != '"' && raw[at] != '\'')) return {};
    const std::size_t close = raw.find(raw[at], at + 1);
    return close == std::string_view::npos ? std::string_view() : raw.substr(at + 1, close - at - 1);
}

// A way whose last node reference names its first node is a closed ring, whatever precedes the
// references (blanks, tabs or nothing).
bool isRing(std::string_view raw) {
    constexpr std::string_view kRef = "<nd ref=";
    const std::size_t first = raw.find(kRef);
    const std::size_t last = raw.rfind(kRef);
    if (first == last) return false; // none, or one
    const std::string_view id = refId(raw, first + kRef.size());
    return !id.empty() && id == refId(raw, last + kRef.size());
}

} // namespace

struct WayClassifierRules::Context {
    const WayText& way;
    const std::string& name;
    WayLook& look;
    WayLists& lists;
    ProjectData& data;
};

bool WayClassifierRules::Needle::holds(const Found& found) const {
    const std::vector<std::uint8_t>& in = raw ? found.raw : found.lower;
    return (in[static_cast<std::size_t>(id)] != 0) != absent;
}

bool WayClassifierRules::Test::holds(const Found& found) const {
    const auto holdsIn = [&found](const Needle& n) { return n.holds(found); };
    return join == Join::Any ? std::any_of(needles.begin(), needles.end(), holdsIn)
                             : std::all_of(needles.begin(), needles.end(), holdsIn);
}

WayClassifierRules::WayClassifierRules(char quote)
    : quote_(quote), nameKey_(std::string(1, quote) + "name"), chain_(buildChain(quote)) {
    const std::string q(1, quote);
    for (const std::string& text : {q + "constr", q + "access", q + "priva", "ss" + q + " v=" + q + "no",
                                    q + "permis", q + "building" + q, q + "bridge" + q + " ", q + "highway",
                                    q + "railw", q + "waterway", q + "tunnel"})
        checks_.push_back(Needle{.text = text});
    checks_.push_back(Needle{.text = "tag ", .raw = true});
    numberNeedles();
}

bool WayClassifierRules::holds(const Found& found, Check check) const {
    return checks_[static_cast<std::size_t>(check)].holds(found);
}

void WayClassifierRules::numberNeedles() {
    const auto number = [this](std::vector<Needle>& needles) {
        for (Needle& n : needles)
            n.id = (n.raw ? rawNeedles_ : lowerNeedles_).add(n.text);
    };
    const auto numberSteps = [&number](std::vector<Step>& steps) {
        for (Step& step : steps)
            number(step.guard);
    };
    number(checks_);
    for (Group& group : chain_) {
        number(group.head.needles);
        numberSteps(group.values);
        for (SubRule& rule : group.subs) {
            number(rule.test.needles);
            numberSteps(rule.values);
        }
    }
    lowerNeedles_.build();
    rawNeedles_.build();
}

void WayClassifierRules::classify(const WayText& way, WayLook& look, WayLists& lists, ProjectData& data,
                                  Found& found) const {
    scan(way, found);
    Path path;
    choosePath(found, path);
    applyPath(way, path, pathName(way, path), look, lists, data);
}

void WayClassifierRules::scan(const WayText& way, Found& found) const {
    lowerNeedles_.scan(way.lower, found.lower);
    rawNeedles_.scan(way.raw, found.raw);
}

void WayClassifierRules::choosePath(const Found& found, Path& path) const {
    path.clear();
    for (const Group& group : chain_) {
        if (!group.head.holds(found)) continue;
        choose(group.values, found, path);
        bool ends = group.endsChain;
        for (const SubRule& rule : group.subs) {
            if (!rule.test.holds(found)) continue;
            choose(rule.values, found, path);
            if (rule.then == Then::End) return;
            if (rule.then == Then::OnThenEnd) ends = true;
        }
        if (ends) return;
    }
}

void WayClassifierRules::choose(const std::vector<Step>& steps, const Found& found, Path& path) const {
    for (const Step& step : steps) {
        const bool guarded = std::all_of(step.guard.begin(), step.guard.end(),
                                         [&found](const Needle& n) { return n.holds(found); });
        if (guarded) path.push_back(&step);
    }
}

std::string WayClassifierRules::pathName(const WayText& way, const Path& path) const {
    const bool names = std::any_of(path.begin(), path.end(), [](const Step* step) { return step->op == Op::Name; });
    if (!names || way.raw.find(nameKey_) == std::string_view::npos) return {};
    return fnnam(way.raw, false, quote_);
}

void WayClassifierRules::applyPath(const WayText& way, const Path& path, const std::string& name, WayLook& look,
                                   WayLists& lists, ProjectData& data) const {
    Context at{way, name, look, lists, data};
    for (const Step* step : path)
        apply(*step, at);
}

void WayClassifierRules::apply(const Step& step, Context& at) const {
    WayLook& look = at.look;
    const auto whole = [&step] { return static_cast<Integer>(step.value); };
    switch (step.op) {
    case Op::LineColour:
        look.lineColour = step.value;
        break;
    case Op::Casing:
        look.wayLineStyleColour = step.value;
        break;
    case Op::Width:
        look.wayWidth = whole();
        break;
    case Op::PenStyle:
        look.wayLineStyle = whole();
        break;
    case Op::Layer:
        look.wayLayer = whole();
        break;
    case Op::Fill:
        look.wayFill = step.value;
        break;
    case Op::FillArg:
        look.wayFillArg = whole();
        break;
    case Op::Area:
        look.isArea = step.value != 0;
        break;
    case Op::LineFromFill:
        look.lineColour = look.wayFill;
        break;
    case Op::FillFromLine:
        look.wayFill = look.lineColour;
        break;
    case Op::WidthFromArg:
        look.wayWidth = look.wayFillArg;
        break;
    case Op::Name:
        if (at.way.raw.find(nameKey_) == std::string_view::npos) break;
        look.wayName = at.name;
        if (step.value != 0) look.wayName.insert(look.wayName.begin(), kMarkedName);
        break;
    case Op::RoadTypeName:
        look.problemText = kRoadTypeProblem;
        break;
    case Op::EndMark:
        look.endMark = step.value != 0;
        break;
    case Op::SkipEarlyChecks:
        look.skipEarlyChecks = true;
        break;
    case Op::Append:
        switch (step.list) {
        case List::Residential:
            appendIndex(at.lists.residentialList, at.way.index);
            break;
        case List::Wood:
            appendIndex(at.lists.woodList, at.way.index);
            break;
        case List::LandArea:
            appendIndex(at.lists.landAreaList, at.way.index);
            break;
        case List::Building:
            appendIndex(at.lists.buildingList, at.way.index);
            break;
        case List::Waterway:
            appendIndex(at.data.waterwayList, at.way.index);
            break;
        case List::Tram:
            appendIndex(at.data.tramList, at.way.index);
            break;
        case List::Boundary:
            appendIndex(at.data.boundaryList, at.way.index);
            break;
        }
        break;
    case Op::AddressLine:
        at.data.buildingCount += 1;
        at.data.trailerText += at.way.raw;
        at.data.trailerText += "\r\n";
        break;
    case Op::RingTest:
        if (isRing(at.way.raw)) {
            look.isArea = false;
            appendIndex(at.lists.buildingList, at.way.index);
        } else {
            look.wayLayer = 0;
        }
        look.endMark = true;
        break;
    }
}

} // namespace osmimport
