#include "import/nodeclass_hook.h"

#include "import/noderecord.h"

namespace osmimport {

PoiClassification::PoiClassification(const OsmImport& import, NodeClassSink& sink)
    : import_(import), sink_(sink) {}

void PoiClassification::nodesStart(ProjectData& data) {
    rules_.emplace(import_.quoteChar());
    describer_.emplace(import_.quoteChar(), data, sink_);
}

void PoiClassification::decide(NodeInHand& node) const {
    node.decided = rules_->classify(node.piece, node.tagText);
}

bool PoiClassification::takeNode(NodeInHand& node, ProjectData& data) {
    NodeClass& cls = node.decided;
    applyNodeClass(cls, node, data, stations_, sink_);
    recordNode(cls, node, rules_->quote(), *describer_, data);
    return true;
}

} // namespace osmimport
