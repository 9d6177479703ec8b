#include "import/wayphase_markers.h"

#include "basic/numtext.h"

#include <utility>

namespace osmimport {

namespace {

void appendNode(std::string& list, Long node) {
    basic::appendDec(list, node);
    list += '#';
}

} // namespace

void placeEmptyTagMarker(ProjectData& data, WayPhaseSink& sink, Long node, std::string text) {
    sink.caption(kEmptyTagCaption, data.quotCount);
    ++data.quotCount;
    data.quotTexts.push_back(std::move(text));
    appendNode(data.quotList, node);
}

void placeQuestMarker(ProjectData& data, Long node, std::string text) {
    ++data.questCount;
    data.questTexts.push_back(std::move(text));
    appendNode(data.questList, node);
}

void getchain(ProjectData& data, WayPhaseSink& sink, std::string text) {
    sink.caption(kChainCaption, data.chainCount);
    ++data.chainCount;
    data.chainTexts.push_back(std::move(text));
}

} // namespace osmimport
