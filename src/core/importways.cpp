#include "core/importways.h"

#include "basic/numtext.h"
#include "platform/events.h"
#include "window/mapwindow.h"

namespace core {

void WindowWaySink::caption(int label, basic::Long value) {
    map_.legendStrip.numb[label].setCaption(basic::dec(value));
}

basic::Single WindowWaySink::textWidth(std::string_view text) {
    return static_cast<basic::Single>(map_.view.p1.textWidth(text));
}

void WindowWaySink::letEventsThrough() {
    if (platform::inputPending()) platform::doEvents();
}

void WindowWaySink::questCaption(basic::Long caption) {
    this->caption(osmimport::kQuestCaption, caption);
}

} // namespace core
