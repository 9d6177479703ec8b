#pragma once
// The node record step: a classified node's description, its record (`nodeInfo`), its name
// (`nodeName`), and the Other Nodes and Notes lists for annotated "TAG" nodes.

#include "import/nodeclass.h"
#include "import/nodeloop.h"
#include "import/poidesc.h"
#include "import/projectdata.h"

#include <string>

namespace osmimport {

// Writes the record and name of node (still in degrees) into data. cls.code becomes "MOT" for
// a "TAG" node on a motorway. A node without a code gets nothing. Returns the node's description
// (empty when it has none).
std::string recordNode(NodeClass& cls, const NodeInHand& node, char quote, PoiDescriber& describer,
                ProjectData& data);

} // namespace osmimport
