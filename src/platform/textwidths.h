#pragma once
// The pixel widths of texts in a font, remembered: label placement measures the same names
// again and again, and shaping a text is the dear part. A new font forgets the widths of the
// old one; the store is emptied when it grows past a bound, so it never holds more than a
// bounded set of names.

#include <QFont>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace platform {

class TextWidths {
public:
    // The width textWidthPx gives for text in font.
    int widthPx(const QFont& font, std::string_view text);

private:
    static constexpr std::size_t kMostTexts = 16384;
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
    };

    QFont font_;
    std::unordered_map<std::string, int, TextHash, std::equal_to<>> widths_;
};

} // namespace platform
