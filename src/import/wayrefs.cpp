// The reference loop: the node indices a way's "<nd ref=" ids were resolved to, taken in order.

#include "basic/numtext.h"
#include "import/tagtext.h"
#include "import/waydescribe.h"
#include "import/wayphase.h"

#include <algorithm>

namespace osmimport {

// refs are the way's references as read ahead, in order; those the file has no node for are
// skipped (and the way has not all its references found).
void WayPhase::resolveReferences(std::span<const Reference> refs) {
    ProjectData& data = *data_;
    const char q = settings_.quote;
    const auto r = static_cast<Long>(refs.size());
    way_.refCount = r;
    // The bridge's marker goes to the middle reference; a way of one reference has it at that
    // one, so that a bridge of a single node is told it needs another.
    const Long middle = std::max<Long>(r / 2, 1);
    for (Long k = 1; k <= r; ++k) {
        const Reference& ref = refs[static_cast<std::size_t>(k - 1)];
        const Long node = ref.node;
        if (node == 0) {
            way_.allRefsFound = false;
            continue;
        }
        const auto at = static_cast<std::size_t>(node);
        ++data.nodeUse[at];
        if (ref.emptyValue) placeEmptyTagMarker(data, sink_, node, std::string(textAfterFirstTag(way_.raw)));
        if (look_.lineColour < 2.0)
            widenLabelBox(box_, static_cast<Single>(data.nodeX[at]), static_cast<Single>(data.nodeY[at]));
        if (k == middle && !look_.problemText.empty()) {
            // The bridge's problem: told with the way's attributes, which rarely hold "tag".
            sink_.caption(kQuestCaption, data.questCount - data.questAreaCount);
            const std::string_view attributes = way_.raw.substr(0, way_.raw.find("<nd ref="));
            std::string text = look_.problemText;
            text += attributes.find("tag") != std::string_view::npos ? fntag(attributes, way_.allRefsFound, q)
                                                                     : std::string("highway unknown");
            placeQuestMarker(data, node, std::move(text));
        }
        way_.nodes.push_back(node);
    }
}

} // namespace osmimport
