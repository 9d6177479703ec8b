#include "import/nodeclass_hook.h"

#include "import/noderecord.h"

namespace osmimport {

PoiClassification::PoiClassification(const OsmImport& import, NodeClassSink& sink)
    : import_(import), sink_(sink) {}

bool PoiClassification::takeNode(NodeInHand& node, ProjectData& data) {
    if (!rules_) {
        rules_.emplace(import_.quoteChar());
        describer_.emplace(import_.quoteChar(), data, sink_);
    }
    NodeClass cls = rules_->classify(node.piece, node.tagText);
    applyNodeClass(cls, node, data, stations_, sink_);
    recordNode(cls, node, rules_->quote(), *describer_, data);
    return true;
}

} // namespace osmimport
