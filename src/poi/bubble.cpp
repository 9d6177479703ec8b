#include "poi/bubble.h"

#include "basic/text.h"
#include "poi/categories.h"
#include "window/mapwindow.h"

namespace poi {
namespace {

// The width of a text in the bubble's own units (twips) against the bubble's width in the map
// picture's units.
constexpr float kBubbleScale = 1410.0f / 285.0f;

} // namespace

std::string bubbleText(std::string_view tag) {
    std::string_view t = tag;
    if (const size_t dollar = t.find('$'); dollar != std::string_view::npos) t.remove_prefix(dollar + 1);
    if (const size_t hash = t.find('#'); hash != std::string_view::npos) t.remove_prefix(hash + 1);
    std::string text;
    text.reserve(t.size() + 2);
    text += ' ';
    text += t;
    text += ' ';
    return text;
}

void bubl(core::MapWindow& map, const platform::Control& icon) {
    if (mapBusy(map)) return;
    const std::string text = bubbleText(icon.tag());
    if (basic::trimView(text).empty()) return;
    platform::PictureBox& bub = map.view.bub;
    platform::LabelControl& bubtxt = map.view.bubtxt;
    bubtxt.setFont({bub.fontName(), bub.fontSize(), bub.fontBold()});
    bubtxt.setVisible(true);
    const double width = bub.textWidth(text);
    bubtxt.setWidth(width);
    bub.setWidth(width / kBubbleScale);
    bub.move(icon.left() + icon.width() / 2 - bub.width() / 2, icon.top() - icon.height());
    bubtxt.setCaption(text);
    bub.setVisible(true);
}

} // namespace poi
