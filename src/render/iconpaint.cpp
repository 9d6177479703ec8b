#include "render/iconpaint.h"

#include "render/drawerrors.h"
#include "window/mapwindow.h"

namespace render {

bool isPlainStyle(std::string_view plainIconCodes, int style) {
    if (style == kPlainStyle) return true;
    if (style < 0 || style > 255) return false;
    return plainIconCodes.find(static_cast<char>(style)) != std::string_view::npos;
}

// The work holder p3 is white around the picture it is given, and white changes nothing in
// either pass, so painting the holder's image equals painting the picture itself: the picture
// is painted directly, with no holder to clear per icon.
void ploticon(core::MapWindow& map, const QImage& picture, int& style, double left, double top,
              DrawErrors& errors) {
    if (isPlainStyle(map.data.plainIconCodes, style)) style = kPlainStyle;
    platform::PictureBox& p1 = map.view.p1;
    const auto& masks = map.stores.imin;
    const bool masked = style != kPlainStyle && masks.exists(style) && !masks[style].picture().isNull();
    if (!masked) {
        errors.run([&] { p1.paintPicture(picture, left, top); });
        return;
    }
    errors.run([&] { p1.paintPicture(masks[style].picture(), left, top, platform::RasterOp::MergePaint); });
    errors.run([&] { p1.paintPicture(picture, left, top, platform::RasterOp::SrcAnd); });
}

} // namespace render
