#include "import/noderecord.h"

#include "basic/numtext.h"
#include "basic/text.h"
#include "import/tagtext.h"

#include <string>
#include <string_view>

namespace osmimport {

namespace {

bool contains(std::string_view text, std::string_view needle) {
    return text.find(needle) != std::string_view::npos;
}

// An annotated "TAG" node joins Other Nodes, and Notes too when it carries a note; a node with
// a FIXME is listed among the FIXMEs already, and one whose text names JOSM is left out.
void listTagNode(const NodeInHand& node, const std::string& description, char quote, ProjectData& data) {
    if (contains(node.tagText, "fixme")) return;
    const std::string line = basic::dec(node.index) + "+" + std::string(textAfterFirstTag(description)) + "\r\n";
    if (contains(node.tagText, std::string("note") + quote)) {
        data.otherNodesList += line;
        data.noteList += line;
        ++data.noteCount;
    } else if (!contains(description, "JOSM")) {
        data.otherNodesList += line;
    }
}

} // namespace

std::string recordNode(NodeClass& cls, const NodeInHand& node, char quote, PoiDescriber& describer,
                ProjectData& data) {
    if (cls.code.empty()) return {};
    const auto i = static_cast<std::size_t>(node.index);
    std::string pieceText;
    std::string description;
    if (cls.described) {
        pieceText.assign(node.piece);
        description = describer.tooltx(cls.code, pieceText, node.index);
        if (cls.appendPosition && contains(description, "?")) {
            if (!contains(description, "J"))
                description += ": " + basic::dec(node.lon) + "," + basic::dec(node.lat);
            description = basic::replaceAll(std::move(description), "?", "");
        }
        if (cls.code == "TAG") {
            if (contains(node.piece, "motorway")) {
                cls.code = "MOT";
                if (!description.empty()) data.nodeInfo[i] = "MOT" + description;
                return description;
            }
            if (description.empty()) return description;
            listTagNode(node, description, quote, data);
        } else {
            data.nodeName[i] = description;
        }
    }
    // Built at its exact size: the record stays in memory as long as the map.
    const std::string& recordText = cls.recordIsDesc ? description : pieceText;
    const std::string index = basic::dec(node.index);
    std::string& record = data.nodeInfo[i];
    record.clear();
    record.reserve(cls.code.size() + recordText.size() + 1 + index.size());
    record.append(cls.code).append(recordText).append("#").append(index);
    return description;
}

} // namespace osmimport
