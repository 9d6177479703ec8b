#pragma once
// Helpers for the drawing-surface tests: pictures in pixels, pictures of pixels as text, and
// where the ink lies.

#include "fault_testing.h"
#include "platform/canvas.h"
#include "platform/canvascolour.h"

#include <QImage>
#include <QRect>
#include <string>

namespace platform::canvastest {

// A picture in pixels on a plain background (white unless given).
struct PixelCanvas : Canvas {
    PixelCanvas(int w, int h, basic::Long back = 0xFFFFFF) : Canvas(w, h) {
        setScaleMode(scalemode::Pixels);
        setBackColor(back);
    }
};

// An image of w x h pixels, all of one colour.
inline QImage filledImage(int w, int h, basic::Long colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(toQRgb(colour));
    return image;
}

inline basic::Long pixelAt(const QImage& image, int x, int y) {
    return fromQRgb(image.pixel(x, y));
}

// Rows of the area as text: '#' where the pixel has the colour, '.' elsewhere.
inline std::string rowsOf(const QImage& image, const QRect& area, basic::Long colour) {
    std::string text;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            text += pixelAt(image, x, y) == colour ? '#' : '.';
        text += '\n';
    }
    return text;
}

// The smallest rectangle holding every pixel that differs from the background colour.
inline QRect inkBounds(const QImage& image, basic::Long background) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (pixelAt(image, x, y) != background) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

inline int countColour(const QImage& image, basic::Long colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += pixelAt(image, x, y) == colour ? 1 : 0;
    }
    return count;
}

} // namespace platform::canvastest
