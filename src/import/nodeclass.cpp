#include "import/nodeclass.h"

namespace osmimport {

namespace {

bool contains(std::string_view text, std::string_view needle) {
    return text.find(needle) != std::string_view::npos;
}

} // namespace

void NodeClass::count(int label) {
    for (int& slot : labels) {
        if (slot == 0) {
            slot = label;
            return;
        }
    }
}

bool NodeClassifierRules::Test::holds(std::string_view text) const {
    switch (join) {
    case Join::Always:
        return true;
    case Join::One:
        return contains(text, a);
    case Join::And:
        return contains(text, a) && contains(text, b);
    case Join::Or:
        return contains(text, a) || contains(text, b);
    case Join::Absent:
        return !contains(text, a);
    }
    return false;
}

NodeClassifierRules::NodeClassifierRules(char quote)
    : quote_(quote), emptyValue_(std::string("v=") + quote + quote), bay_(quote + std::string("bay")) {
    buildGroupA(quote, groupA_);
    buildGroupB(quote, groupB_);
}

bool NodeClassifierRules::runGroup(const std::vector<Rule>& rules, std::string_view text, NodeClass& out,
                                   bool& reachB) const {
    for (const Rule& rule : rules) {
        if (!rule.head.holds(text)) continue;
        if (rule.describes) out.described = true;
        for (const Row& row : rule.rows) {
            if (!row.test.holds(text)) continue;
            out.code = row.code;
            if (row.label != 0) out.count(row.label);
            switch (row.kind) {
            case Kind::Text:
                out.described = true;
                out.recordIsDesc = false;
                break;
            case Kind::Desc:
                out.described = true;
                out.recordIsDesc = true;
                break;
            case Kind::Bare:
                out.recordIsDesc = false;
                break;
            case Kind::Off:
                out.described = false;
                break;
            }
            switch (row.effect) {
            case Effect::None:
                break;
            case Effect::NoPosition:
                out.appendPosition = false;
                break;
            case Effect::Amenity:
                out.amenity = true;
                break;
            case Effect::Bridge:
                out.bridge = true;
                break;
            case Effect::ToGroupB:
                reachB = true;
                break;
            case Effect::Station:
                out.appendPosition = false;
                out.station = true;
                // A subway station goes on testing: a later rule may still replace its code.
                if (contains(text, "subw")) {
                    out.subway = true;
                    continue;
                }
                break;
            }
            return true;
        }
    }
    return false;
}

NodeClass NodeClassifierRules::classify(std::string_view piece, std::string_view tagText) const {
    NodeClass out;
    if (!contains(piece, "v=")) return out;
    out.code = "TAG";
    bool reachB = false;
    const bool decidedInA = runGroup(groupA_, tagText, out, reachB);
    // A node that left group A by the subway exit or the mast rule carries on into group B,
    // like one that no rule of group A matched.
    if (!decidedInA || reachB) {
        bool unused = false;
        if (!runGroup(groupB_, tagText, out, unused)) {
            if (contains(tagText, bay_)) {
                out.code = "BAY";
                out.appendPosition = false;
            }
            out.described = true;
            out.recordIsDesc = false;
        }
    }
    if (contains(piece, emptyValue_)) {
        out.code += '+';
        out.emptyTag = true;
    }
    if (out.described && out.code == "CHU") {
        if (contains(tagText, "musli"))
            out.code = "CHM";
        else if (contains(tagText, "jew"))
            out.code = "CHJ";
        if (contains(tagText, "hind") || contains(tagText, "buddh")) out.code = "CHH";
        if (contains(tagText, "sikh")) out.code = "CHS";
    }
    return out;
}

} // namespace osmimport
