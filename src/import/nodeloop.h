#pragma once
// The node phase: every node's position and id read, its id filed in the node-id index, its
// piece cut to its tag elements and lower-cased, FIXME nodes listed, the node handed to the
// classification, and its position turned into map units.

#include "basic/orderedchunks.h"
#include "import/importclient.h"
#include "import/nodeclass.h"
#include "import/nodeid.h"
#include "import/nodepieces.h"
#include "import/projectdata.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace osmimport {

// The node as the classification sees it.
struct NodeInHand {
    Long index = 0;
    std::string_view piece; // from its first ">" on (the whole piece when it has none)
    std::string tagText;    // the piece in lower case
    Double lon = 0;         // degrees, as read
    Double lat = 0;
    NodeClass decided;      // what the classification decided from the node alone
};

// The per-node steps of the later phases: classification into POI codes and the node record.
class NodeClassifier {
public:
    virtual ~NodeClassifier() = default;
    // Told once, before the first node, what the nodes are read into.
    virtual void nodesStart(ProjectData& /*data*/) {}
    // What can be decided from the node alone, into node.decided. It runs before takeNode sees
    // the node, on helper threads and several at once: it must change nothing else.
    virtual void decide(NodeInHand& /*node*/) const {}
    // Runs while data.nodeX and data.nodeY of the node still hold degrees. Returns false when
    // it finds the import cancelled: the node then gets no map position and the loop ends.
    virtual bool takeNode(NodeInHand& node, ProjectData& data) = 0;
};

// The projection of a file: map X = (lon - mapLon0) * mapScale + 3000 and map Y = 2500 -
// (lat - mapLat0) * mapScale * latStretch, worked in double from the Single origin and stretch
// and rounded to a Single.
struct Projection {
    Single mapLon0 = 0;
    Single mapLat0 = 0;
    Long mapScale = 1;
    Single latStretch = 1;
};

// Told, after each node, the end of its piece: the loop reads the text before it no more.
using PiecePassed = std::function<void(const char* pieceEnd)>;

// Reads nodes 1..pieces.count() into data (whose node arrays it creates) and ids. A position
// that is missing or no number reads as 0; a map position beyond the Single range leaves the
// node in degrees. Returns false when the import was cancelled: a node the classification
// found cancelled keeps its degrees, and the nodes after it stay unread.
// Each node is read and classified on whichever core is free (plan, or one for this machine when
// unset) and taken into data, ids and the classification in node order on the calling thread,
// which alone asks the client: the outcome is the same on any number of cores.
bool readNodes(const NodePieces& pieces, char quote, const Projection& projection, ProjectData& data,
               NodeIdIndex& ids, ImportClient& client, NodeClassifier* classifier,
               const PiecePassed& passed = {}, const std::optional<basic::ChunkPlan>& plan = std::nullopt);

} // namespace osmimport
