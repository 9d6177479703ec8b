#include "platform/gdifont.h"

#include "platform/canvascolour.h"
#include "platform/qtext.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

QFont baseFont(std::string_view face) {
    QFont font(toQString(face));
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// Cell height per pixel of character height, measured on a large size so that hinting does not
// distort the proportion.
double cellPerCharacterHeight(QFont font) {
    constexpr int kProbe = 1000;
    font.setPixelSize(kProbe);
    const QFontMetricsF metrics(font);
    return (metrics.ascent() + metrics.descent()) / kProbe;
}

} // namespace

QFont pictureFont(std::string_view name, double sizePoints, bool bold, bool italic) {
    QFont font = baseFont(name);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(sizePoints * kPixelsPerPoint))));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont logFontToQFont(const LogFont& logFont) {
    QFont font = baseFont(logFont.face);
    const int weight = logFont.weight <= 0 ? 400 : std::min(logFont.weight, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(logFont.italic);
    int characterHeight = kDefaultCharacterHeightPx;
    if (logFont.heightPx < 0) {
        characterHeight = -logFont.heightPx;
    } else if (logFont.heightPx > 0) {
        characterHeight = static_cast<int>(std::lround(logFont.heightPx / cellPerCharacterHeight(font)));
    }
    font.setPixelSize(std::max(1, characterHeight));
    return font;
}

int cellHeightPx(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

int textWidthPx(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

void drawText(QImage& image, const QFont& font, basic::Long colour, QPoint cell, int escapementTenths,
              const QString& text) {
    if (image.isNull() || text.isEmpty()) return;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(toQColor(colour));
    painter.translate(cell);
    painter.rotate(-escapementTenths / 10.0);
    painter.drawText(QPoint(0, QFontMetrics(font).ascent()), text);
}

} // namespace platform
