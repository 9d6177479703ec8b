#pragma once
// The main window's side of node classification: the category counts go to the count labels
// `numb`, the empty-tag and bridge markers to labels 27 and 29.

#include "import/nodeclass_step.h"

namespace core {

class MapWindow;

class WindowClassSink : public osmimport::NodeClassSink {
public:
    explicit WindowClassSink(MapWindow& map) : map_(map) {}

    void count(int label) override;
    void emptyTagCounted(basic::Long quotCountBefore) override;
    void bridgeCounted(basic::Long questCountBefore) override;

private:
    MapWindow& map_;
};

} // namespace core
