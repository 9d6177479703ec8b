#include "import/nodeclass_step.h"

#include "basic/numtext.h"

namespace osmimport {

void applyNodeClass(const NodeClass& cls, const NodeInHand& node, ProjectData& data, StationLists& stations,
                    NodeClassSink& sink) {
    using basic::dec;
    for (int label : cls.labels) {
        if (label == 0) break;
        Long& total = data.countCaptions[static_cast<size_t>(label)];
        sink.count(label, ++total);
    }
    if (cls.amenity) ++data.amenityTotal;
    if (cls.station) {
        stations.positions += dec(node.lon) + "," + dec(node.lat) + "#";
        if (!cls.subway) stations.nodes += dec(node.index) + "#";
    }
    // Marker k (k >= 2) belongs to list entry k - 2: the count, the list and the texts grow
    // together, without a 16-bit ceiling.
    if (cls.bridge) {
        sink.bridgeCounted(data.questCount);
        ++data.questCount;
        data.questTexts.emplace_back(kBridgeMessage);
        data.questList += dec(node.index) + "#";
    }
    if (cls.emptyTag) {
        data.quotList += dec(node.index) + "#";
        sink.emptyTagCounted(data.quotCount);
        ++data.quotCount;
        data.quotTexts.emplace_back(node.piece);
    }
}

} // namespace osmimport
