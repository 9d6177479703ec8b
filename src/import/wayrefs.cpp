// The reference loop: a way's "<nd ref=" ids turned into node indices through the node-id index.

#include "basic/numtext.h"
#include "import/tagtext.h"
#include "import/waydescribe.h"
#include "import/wayphase.h"

namespace osmimport {

namespace {

void widen(LabelBox& box, Single x, Single y) {
    if (x < box.minX) box.minX = x;
    if (x > box.maxX) box.maxX = x;
    if (y < box.minY) box.minY = y;
    if (y > box.maxY) box.maxY = y;
}

} // namespace

// refs is the raw piece split at every "<nd ref=": piece 0 the way's attributes, then one
// piece per reference. The last one holds the way's tags behind its first "/", which are not
// looked at. Every node of the file, the last one too, is a valid reference.
void WayPhase::resolveReferences(std::span<const std::string_view> refs) {
    ProjectData& data = *data_;
    const char q = settings_.quote;
    const auto r = static_cast<Long>(refs.size() - 1);
    way_.refCount = r;
    const Long middle = r / 2;
    const bool lateWay = searchesFromLast(way_.index, data.wayCount);
    const std::string emptyValue = std::string("v=") + q + q;
    for (Long k = 1; k <= r; ++k) {
        std::string_view s = refs[static_cast<std::size_t>(k)];
        if (k == r) {
            if (const std::size_t slash = s.find('/'); slash != std::string_view::npos)
                s = s.substr(0, slash + 1);
        }
        const Long node = ids_.find(referenceId(s, q), lateWay);
        if (node < 1 || node > data.nodeCount) {
            way_.allRefsFound = false;
            continue;
        }
        const auto at = static_cast<std::size_t>(node);
        ++data.nodeUse[at];
        if (s.find(emptyValue) != std::string_view::npos)
            placeEmptyTagMarker(data, sink_, node, std::string(fntagg(way_.raw)));
        if (look_.lineColour < 2.0)
            widen(box_, static_cast<Single>(data.nodeX[at]), static_cast<Single>(data.nodeY[at]));
        if (k == middle && !look_.problemText.empty()) {
            // The bridge's problem: told with the way's attributes, which rarely hold "tag".
            sink_.caption(kQuestCaption, data.questCount - data.questAreaCount);
            const std::string_view attributes = refs.front();
            std::string text = look_.problemText;
            text += attributes.find("tag") != std::string_view::npos ? fntag(attributes, way_.allRefsFound, q)
                                                                     : std::string("highway unknown");
            placeQuestMarker(data, node, std::move(text));
        }
        way_.nodes.push_back(node);
    }
}

} // namespace osmimport
