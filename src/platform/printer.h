#pragma once
// Printing the map picture: the image is scaled to the printable page, keeping its aspect, and
// placed at the page origin.

#include <QImage>
#include <QRect>

class QPrinter;

namespace platform {

// The largest rectangle of the image's aspect that fits `page`, at the page's top-left corner;
// empty for an empty image or page.
QRect fitToPage(QSize image, QRect page);

// Prints the image as one page and ends the document; false when the image is empty or the
// printer could not be opened.
bool printImageOn(QPrinter& printer, const QImage& image);

} // namespace platform
