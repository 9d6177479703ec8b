#include "import/projectdata.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace osmimport {

namespace {

template <typename T> void create(std::vector<T>& v, std::size_t size) {
    v.assign(size, T{});
}

std::size_t slots(Long count) {
    return static_cast<std::size_t>(std::max<Long>(count, 0)) + 1;
}

// Read and written for ways 1..wayCount only: slots up to the node count, where it is larger,
// would be held, and copied at every drawing, for nothing.
void sizeLabelPoints(ProjectData& d) {
    const std::size_t n = slots(d.wayCount);
    create(d.wayLabelX, n);
    create(d.wayLabelY, n);
    create(d.wayFill, n);
    create(d.wayFillArg, n);
}

} // namespace

void ProjectData::sizeNodes(Long count) {
    nodeCount = count;
    const std::size_t n = slots(count);
    create(nodeX, n);
    create(nodeY, n);
    create(nodeInfo, n);
    create(nodeName, n);
    create(nodeUse, n);
    sizeLabelPoints(*this);
}

void ProjectData::dropRecords() {
    ProjectData none;
    none.sizeNodes(0);
    none.sizeWays(0);
    none.lab2Count = 0;
    swapRecords(none);
    const auto take = [&](auto member) { std::swap(this->*member, none.*member); };
    take(&ProjectData::nodeCount);
    take(&ProjectData::nodeName);
    take(&ProjectData::wayCount);
    take(&ProjectData::wayWidth);
    take(&ProjectData::wayLineStyle);
    take(&ProjectData::wayColour);
    take(&ProjectData::wayExtraColour);
    take(&ProjectData::wayLayer);
    take(&ProjectData::wayLineStyleColour);
    take(&ProjectData::wayNameAngle);
    take(&ProjectData::wayNameNode);
    take(&ProjectData::wayMaxSegment);
    take(&ProjectData::wayLabelX);
    take(&ProjectData::wayLabelY);
    take(&ProjectData::wayFill);
    take(&ProjectData::wayFillArg);
    take(&ProjectData::lab2Count);
}

void ProjectData::swapRecords(ProjectData& other) noexcept {
    const auto take = [&](auto member) { std::swap(this->*member, other.*member); };
    take(&ProjectData::nodeX);
    take(&ProjectData::nodeY);
    take(&ProjectData::nodeInfo);
    take(&ProjectData::nodeUse);
    take(&ProjectData::wayNodes);
    take(&ProjectData::wayName);
    take(&ProjectData::wayUser);
    take(&ProjectData::wayDate);
    take(&ProjectData::labels);
    take(&ProjectData::wayNodeStart);
    take(&ProjectData::wayNodeIndex);
}

void ProjectData::sizeWays(Long count) {
    wayCount = count;
    const std::size_t n = slots(count);
    create(wayNodes, n);
    create(wayWidth, n);
    create(wayLineStyle, n);
    create(wayColour, n);
    create(wayExtraColour, n);
    create(wayLayer, n);
    create(wayLineStyleColour, n);
    create(wayNameAngle, n);
    create(wayNameNode, n);
    create(wayMaxSegment, n);
    create(wayName, n);
    create(wayUser, n);
    create(wayDate, n);
    sizeLabelPoints(*this);
}

} // namespace osmimport
