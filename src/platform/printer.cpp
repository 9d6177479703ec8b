#include "platform/printer.h"

#include <QPainter>
#include <QPrinter>

namespace platform {

QRect fitToPage(QSize image, QRect page) {
    if (image.isEmpty() || page.isEmpty()) return {};
    QSize fitted = image.scaled(page.size(), Qt::KeepAspectRatio);
    return {page.topLeft(), fitted};
}

bool printImageOn(QPrinter& printer, const QImage& image) {
    if (image.isNull()) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.drawImage(fitToPage(image.size(), painter.viewport()), image);
    return painter.end();
}

} // namespace platform
