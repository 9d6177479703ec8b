#include "window/caption.h"

#include "basic/numtext.h"
#include "window/mapwindow.h"

namespace core {

void cap(MapWindow& map, const std::string& text) {
    map.form.setCaption("Varnoke:" + basic::dec(map.global.progVersion) + " " + text);
}

} // namespace core
