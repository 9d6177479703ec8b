#include "core/importclassify.h"

#include "basic/numtext.h"
#include "poi/countpanel.h"
#include "window/mapwindow.h"

namespace core {

namespace {

constexpr int kEmptyTagLabel = 27;
constexpr int kQuestLabel = 29;

} // namespace

void WindowClassSink::count(int label) {
    poi::nad(map_, static_cast<basic::Integer>(label));
}

void WindowClassSink::emptyTagCounted(basic::Long quotCountBefore) {
    map_.legendStrip.numb[kEmptyTagLabel].setCaption(basic::dec(quotCountBefore));
}

void WindowClassSink::bridgeCounted(basic::Long questCountBefore) {
    map_.legendStrip.numb[kQuestLabel].setCaption(basic::dec(questCountBefore - map_.d.questAreaCount));
}

} // namespace core
