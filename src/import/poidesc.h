#pragma once
// POI descriptions and feature names: the short text a described node is named by, made from its
// POI code and its tag text, and the lists that fill on the way (unnamed features, amenities,
// places).

#include "import/nodeclass_step.h"
#include "import/projectdata.h"

#include <string>

namespace osmimport {

class PoiDescriber {
public:
    // Adds to data's noNameList, amenityList and placeList; counts amenities on label 0 of sink.
    PoiDescriber(char quote, ProjectData& data, NodeClassSink& sink);

    // The description of node id with code; text is the node's raw piece text, in which every
    // "&amp;" may be turned into "&" on the way.
    std::string tooltx(const std::string& code, std::string& text, Long id);

    // The value of the name tag, or a placeholder: "Name?" for features of the skip set (bus
    // stops, car parks, toilets, recycling, phones, stations), otherwise k & "$Name?" for the
    // k-th unnamed feature, which is listed in noNameList.
    std::string nam(std::string& text, Long id);

private:
    std::string tagDescription(const std::string& text) const;
    std::string bayName(const std::string& text, Long id);

    char q_;
    ProjectData& data_;
    NodeClassSink& sink_;
    Long noNameCount_ = 0; // the entries of noNameList, kept instead of counted again
    std::string nameKey_;  // "k=" + q + "name" + q
};

} // namespace osmimport
