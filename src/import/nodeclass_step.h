#pragma once
// What a node's classification changes beyond its own code: the category counts, the amenity
// total, the station lists and the empty-tag and bridge markers. Markers are kept as data (the
// node in their list, their text at the aligned index); drawing makes the visible markers.

#include "import/nodeclass.h"
#include "import/nodeloop.h"
#include "import/projectdata.h"

#include <string>

namespace osmimport {

// The window's side of the counting.
class NodeClassSink {
public:
    virtual ~NodeClassSink() = default;
    // Count label `label` (1..23) now shows `total`, the data's countCaptions entry.
    virtual void count(int label, Long total) = 0;
    // A node with an empty tag value: quotCountBefore is the marker count before it.
    virtual void emptyTagCounted(Long quotCountBefore) = 0;
    // A bridge node: questCountBefore is the marker count before it.
    virtual void bridgeCounted(Long questCountBefore) = 0;
};

// The stations of an import, for the final statistics.
struct StationLists {
    std::string positions; // dec(lon) & "," & dec(lat) & "#" per station
    std::string nodes;     // dec(index) & "#" per station without "subw" in its text
};

inline constexpr const char* kBridgeMessage =
    "Bridge will not be rendered. Draw length of bridge & tag 'highway:footway', 'bridge:yes' .";

// Applies the side effects of cls, decided for node, to data, stations and sink.
void applyNodeClass(const NodeClass& cls, const NodeInHand& node, ProjectData& data, StationLists& stations,
                    NodeClassSink& sink);

} // namespace osmimport
