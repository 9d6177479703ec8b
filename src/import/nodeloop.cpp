#include "import/nodeloop.h"

#include "basic/case.h"
#include "basic/numtext.h"
#include "import/bounds.h"
#include "import/tagtext.h"

#include <algorithm>
#include <cmath>
#include <limits>

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
    list += v_(node.piece);
    list += ' ';
    basic::appendDec(list, node.lon);
    list += '\\';
    basic::appendDec(list, node.lat);
    list += "\r\n";
    ++data.fixmeCount;
}

// The map position of a node, rounded to Singles; x and y stay as they are when it lies beyond
// their range.
void mapPosition(const Projection& p, const NodeInHand& node, Double& x, Double& y) {
    const double wx = (node.lon - p.mapLon0) * p.mapScale + 3000;
    const double wy = 2500 - (node.lat - p.mapLat0) * p.mapScale * p.latStretch;
    if (!fitsSingle(wx) || !fitsSingle(wy)) return;
    x = static_cast<Single>(wx);
    y = static_cast<Single>(wy);
}

} // namespace

bool readNodes(const NodePieces& pieces, char quote, const Projection& projection, ProjectData& data,
               NodeIdIndex& ids, ImportClient& client, NodeClassifier* classifier,
               const PiecePassed& passed) {
    const Long count = pieces.count();
    data.sizeNodes(count);
    ids.reserve(static_cast<std::size_t>(count));
    NodeInHand node;
    for (Long i = 1; i <= count; ++i) {
        if (client.cancelRequested()) return false;
        const std::string_view whole = pieces.piece(i);
        node.index = i;
        node.lat = degreesValue(getval(whole, "lat", quote), kMostLatitude);
        node.lon = degreesValue(getval(whole, "lon", quote), kMostLongitude);
        data.nodeY[i] = node.lat;
        data.nodeX[i] = node.lon;
        ids.add(getval(whole, "id", quote), i);
        node.piece = fromFirstTagEnd(whole);
        node.tagText.assign(node.piece);
        std::transform(node.tagText.begin(), node.tagText.end(), node.tagText.begin(), [](char c) {
            return static_cast<char>(basic::lowerByte(static_cast<unsigned char>(c)));
        });
        if (node.tagText.find("fixme") != std::string::npos) listFixme(data, node);
        if (classifier && !classifier->takeNode(node, data)) return false;
        mapPosition(projection, node, data.nodeX[i], data.nodeY[i]);
        if (passed) passed(whole.data() + whole.size());
    }
    return true;
}

} // namespace osmimport
