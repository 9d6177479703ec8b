#include "import/nodeloop.h"

#include "basic/case.h"
#include "basic/numtext.h"
#include "import/bounds.h"
#include "import/tagtext.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace osmimport {

namespace {

bool fitsSingle(double v) {
    return std::fabs(v) <= std::numeric_limits<Single>::max();
}

std::string_view fromFirstTagEnd(std::string_view piece) {
    const std::size_t close = piece.find('>');
    return close == std::string_view::npos ? piece : piece.substr(close);
}

// The FIXME entry: index, "^", the tags condensed, and the position in degrees.
void listFixme(ProjectData& data, const NodeInHand& node) {
    std::string& list = data.fixmeList;
    basic::appendDec(list, node.index);
    list += '^';
    list += condenseTags(node.piece);
    list += ' ';
    basic::appendDec(list, node.lon);
    list += '\\';
    basic::appendDec(list, node.lat);
    list += "\r\n";
    ++data.fixmeCount;
}

// A node as read off the calling thread, waiting to be taken in order.
struct ReadNode {
    NodeInHand node;
    NodeIdIndex::Key id;
    bool fixme = false;
    bool mapped = false; // x and y hold its map position; else it lies beyond the Single range
    Single x = 0;
    Single y = 0;
};

// The map position of a node, rounded to Singles, unless it lies beyond their range.
void mapPosition(const Projection& p, ReadNode& read) {
    const double wx = (read.node.lon - p.mapLon0) * p.mapScale + 3000;
    const double wy = 2500 - (read.node.lat - p.mapLat0) * p.mapScale * p.latStretch;
    read.mapped = fitsSingle(wx) && fitsSingle(wy);
    if (!read.mapped) return;
    read.x = static_cast<Single>(wx);
    read.y = static_cast<Single>(wy);
}

// Everything of node i that depends on its own piece alone.
void readNode(const NodePieces& pieces, Long i, char quote, const Projection& projection,
              const NodeClassifier* classifier, ReadNode& read) {
    NodeInHand& node = read.node;
    const std::string_view whole = pieces.piece(i);
    node.index = i;
    node.lat = degreesValue(getval(whole, "lat", quote), kMostLatitude);
    node.lon = degreesValue(getval(whole, "lon", quote), kMostLongitude);
    read.id = NodeIdIndex::keyOf(getval(whole, "id", quote));
    node.piece = fromFirstTagEnd(whole);
    basic::lcaseInto(node.piece, node.tagText);
    read.fixme = node.tagText.find("fixme") != std::string::npos;
    if (classifier) classifier->decide(node);
    mapPosition(projection, read);
}

// The nodes a run below this many does not start threads for; the nodes of a chunk; the helpers
// beyond which the calling thread's part (the node-id index, the classification's lists) bounds
// the loop.
constexpr std::size_t kThreadedNodes = 8192;
constexpr std::size_t kNodeChunk = 128;
constexpr unsigned kNodeHelpers = 7;

} // namespace

bool readNodes(const NodePieces& pieces, char quote, const Projection& projection, ProjectData& data,
               NodeIdIndex& ids, ImportClient& client, NodeClassifier* classifier,
               const PiecePassed& passed, const std::optional<basic::ChunkPlan>& plan) {
    const Long count = pieces.count();
    data.sizeNodes(count);
    ids.reserve(static_cast<std::size_t>(count));
    if (classifier) classifier->nodesStart(data);
    const basic::ChunkPlan chunks =
        plan.value_or(basic::planFor(static_cast<std::size_t>(count), kNodeChunk, kThreadedNodes, kNodeHelpers));
    std::vector<std::vector<ReadNode>> slots(basic::chunkSlots(chunks));
    const auto prepare = [&](std::size_t chunk, std::size_t first, std::size_t last, const basic::ChunkWork& work) {
        std::vector<ReadNode>& slot = slots[chunk % slots.size()];
        slot.resize(last - first);
        for (std::size_t k = first; k < last && !work.stopped(); ++k)
            readNode(pieces, static_cast<Long>(k + 1), quote, projection, classifier, slot[k - first]);
    };
    const auto apply = [&](std::size_t chunk, std::size_t first, std::size_t last) {
        std::vector<ReadNode>& slot = slots[chunk % slots.size()];
        for (std::size_t k = first; k < last; ++k) {
            if (client.cancelRequested()) return false;
            ReadNode& read = slot[k - first];
            NodeInHand& node = read.node;
            const Long i = node.index;
            data.nodeY[i] = node.lat;
            data.nodeX[i] = node.lon;
            ids.add(read.id, i);
            if (read.fixme) listFixme(data, node);
            if (classifier && !classifier->takeNode(node, data)) return false;
            if (read.mapped) {
                data.nodeX[i] = read.x;
                data.nodeY[i] = read.y;
            }
            if (passed) passed(node.piece.data() + node.piece.size());
        }
        return true;
    };
    return basic::runOrderedChunks(static_cast<std::size_t>(count), chunks, prepare, apply,
                                   [&client] { return client.cancelRequested(); });
}

} // namespace osmimport
