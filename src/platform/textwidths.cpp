#include "platform/textwidths.h"

#include "platform/gdifont.h"
#include "platform/qtext.h"

namespace platform {

int TextWidths::widthPx(const QFont& font, std::string_view text) {
    if (!(font == font_)) {
        widths_.clear();
        font_ = font;
    }
    if (const auto known = widths_.find(text); known != widths_.end()) return known->second;
    if (widths_.size() >= kMostTexts) widths_.clear();
    const int width = textWidthPx(font, toQString(text));
    widths_.emplace(std::string(text), width);
    return width;
}

} // namespace platform
