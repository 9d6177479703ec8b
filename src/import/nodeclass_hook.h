#pragma once
// Classification joined to the node loop: every node gets its POI code, its side effects, its
// description, record and name. The rules are built for the file's quote character before the
// first node, once per import; the rule chain runs where the node is read, its side effects and
// the record where the node is taken.

#include "import/importrun.h"
#include "import/nodeclass.h"
#include "import/nodeclass_step.h"
#include "import/poidesc.h"

#include <optional>

namespace osmimport {

class PoiClassification : public NodeClassifier {
public:
    // import gives the quote character once its run has found it.
    PoiClassification(const OsmImport& import, NodeClassSink& sink);

    void nodesStart(ProjectData& data) override;
    void decide(NodeInHand& node) const override;
    bool takeNode(NodeInHand& node, ProjectData& data) override;

    // The stations met so far, for the final statistics.
    const StationLists& stations() const noexcept { return stations_; }

private:
    const OsmImport& import_;
    NodeClassSink& sink_;
    std::optional<NodeClassifierRules> rules_;
    std::optional<PoiDescriber> describer_;
    StationLists stations_;
};

} // namespace osmimport
