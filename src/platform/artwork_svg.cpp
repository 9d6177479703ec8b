#include "platform/artwork_svg.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace platform {
namespace {

constexpr QPainter::RenderHints kSmoothing =
    QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing;

// Takes what a painter asks of its device and repeats it on an aliased painter over the
// target image. It claims every feature, so the painter passes shapes untransformed and the
// state (transform included) is relayed as it is, except the smoothing hints.
class AliasedRelay : public QPaintEngine {
public:
    explicit AliasedRelay(QImage* target) : QPaintEngine(QPaintEngine::AllFeatures), target_(target) {}

    bool begin(QPaintDevice*) override {
        if (!out_.begin(target_)) return false;
        out_.setRenderHints(kSmoothing, false);
        return true;
    }
    bool end() override { return out_.end(); }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyTransform) out_.setTransform(state.transform());
        if (dirty & DirtyPen) out_.setPen(state.pen());
        if (dirty & DirtyBrush) out_.setBrush(state.brush());
        if (dirty & DirtyBrushOrigin) out_.setBrushOrigin(state.brushOrigin());
        if (dirty & DirtyBackground) out_.setBackground(state.backgroundBrush());
        if (dirty & DirtyBackgroundMode) out_.setBackgroundMode(state.backgroundMode());
        if (dirty & DirtyOpacity) out_.setOpacity(state.opacity());
        if (dirty & DirtyCompositionMode) out_.setCompositionMode(state.compositionMode());
        if (dirty & DirtyClipPath) out_.setClipPath(state.clipPath(), state.clipOperation());
        if (dirty & DirtyClipRegion) out_.setClipRegion(state.clipRegion(), state.clipOperation());
        if (dirty & DirtyClipEnabled) out_.setClipping(state.isClipEnabled());
    }

    void drawPath(const QPainterPath& path) override { out_.drawPath(path); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        if (mode == PolylineMode)
            out_.drawPolyline(points, count);
        else
            out_.drawPolygon(points, count, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    }
    void drawPixmap(const QRectF& to, const QPixmap& pixmap, const QRectF& from) override {
        out_.drawPixmap(to, pixmap, from);
    }
    void drawImage(const QRectF& to, const QImage& image, const QRectF& from,
                   Qt::ImageConversionFlags flags) override {
        out_.drawImage(to, image, from, flags);
    }

private:
    QImage* target_;
    QPainter out_;
};

// A paint device of the target's size whose engine is the relay.
class AliasedDevice : public QPaintDevice {
public:
    explicit AliasedDevice(QImage* target) : target_(target), relay_(target) {}
    QPaintEngine* paintEngine() const override { return &relay_; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return target_->width();
        case PdmHeight:
            return target_->height();
        case PdmWidthMM:
            return target_->widthMM();
        case PdmHeightMM:
            return target_->heightMM();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QImage* target_;
    mutable AliasedRelay relay_;
};

// A positive whole number of digits only; 0 otherwise.
int plainPixels(QStringView text) {
    if (text.isEmpty() || text.size() > 5) return 0;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return 0;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

} // namespace

QSize svgPlainSize(const QByteArray& svg) {
    QXmlStreamReader reader(svg);
    while (!reader.atEnd() && !reader.isStartElement())
        reader.readNext();
    if (!reader.isStartElement() || reader.name() != QLatin1String("svg")) return {};
    const int width = plainPixels(reader.attributes().value(QLatin1String("width")));
    const int height = plainPixels(reader.attributes().value(QLatin1String("height")));
    return width > 0 && height > 0 ? QSize(width, height) : QSize();
}

QImage renderSvgAliased(const QByteArray& svg) {
    QSvgRenderer renderer(svg);
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty()) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    AliasedDevice device(&image);
    QPainter painter(&device);
    renderer.render(&painter);
    painter.end();
    return image;
}

} // namespace platform
