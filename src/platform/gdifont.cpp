#include "platform/gdifont.h"

#include "platform/canvascolour.h"
#include "platform/qtext.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>

namespace platform {
namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

QFont baseFont(std::string_view face) {
    QFont font(bytesToQString(face));
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// Fonts made from LogFonts, by face, height, weight and italic: a label pass selects the same
// few fonts for thousands of texts, and measuring a face is far slower than a lookup.
struct LogFontKey {
    std::string face;
    int heightPx;
    int weight;
    bool italic;
    bool operator==(const LogFontKey&) const = default;
};

struct LogFontKeyHash {
    std::size_t operator()(const LogFontKey& key) const {
        std::size_t h = std::hash<std::string>{}(key.face);
        h = h * 31 + std::hash<int>{}(key.heightPx);
        h = h * 31 + std::hash<int>{}(key.weight);
        return h * 2 + (key.italic ? 1 : 0);
    }
};

// Enough for every face and size a drawing uses; a run that asks for more starts afresh.
constexpr std::size_t kCachedFonts = 256;

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
    // Never destroyed: fonts must not outlive the application object at exit.
    static auto& made = *new std::unordered_map<LogFontKey, QFont, LogFontKeyHash>();
    LogFontKey key{logFont.face, logFont.heightPx, logFont.weight, logFont.italic};
    if (auto found = made.find(key); found != made.end()) return found->second;
    if (made.size() >= kCachedFonts) made.clear();

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
    made.emplace(std::move(key), font);
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
