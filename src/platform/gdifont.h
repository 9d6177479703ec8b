#pragma once
// Fonts of the drawing surface and how text is drawn on it: without antialiasing, so the pixels
// of a text are exact, and turned by the font's escapement.
//
// Face names go through fontconfig: "Arial" finds its metric twin Liberation Sans, and a face
// that is not installed falls back to the default sans-serif face. Sizes assume the fixed
// logical resolution of 96 dpi.

#include "basic/numbers.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <string>
#include <string_view>

namespace platform {

// A font made for the device context, as the system creates it for rotated text.
struct LogFont {
    int heightPx = 0;         // > 0: cell height; < 0: character height; 0: the default height
    int escapementTenths = 0; // counter-clockwise, in tenths of a degree
    int weight = 400;         // 400 normal, 700 bold; 0 counts as normal
    bool italic = false;
    std::string face;
};

// The character height of the default font height.
inline constexpr int kDefaultCharacterHeightPx = 11;

// The picture's font from its FontName, FontSize (points), FontBold and FontItalic.
QFont pictureFont(std::string_view name, double sizePoints, bool bold, bool italic);

// The font a LogFont describes. A positive height is the cell height (ascent + descent): the
// character height is the cell height scaled by the face's own proportion of character to cell,
// so the cell comes out within a pixel of the height asked for. Fonts are kept by face, height,
// weight and italic, so asking for one again costs a lookup.
QFont logFontToQFont(const LogFont& font);

// Height of a text line in pixels: ascent + descent of the font (no leading).
int cellHeightPx(const QFont& font);
// Advance width of the text in pixels.
int textWidthPx(const QFont& font, const QString& text);

// Draws the text with a transparent background in the colour, the top-left of its first cell at
// `cell`, turned counter-clockwise about that point by escapementTenths / 10 degrees.
void drawText(QImage& image, const QFont& font, basic::Long colour, QPoint cell, int escapementTenths,
              const QString& text);

} // namespace platform
