#include "platform/artwork_svg.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <string_view>

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
int plainPixels(std::string_view text) {
    if (text.empty() || text.size() > 5) return 0;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads the first start tag of an XML text by hand, for it is read for every picture at start-up
// and a full XML reader costs far more than the tag. Whatever is not plainly the simple form
// (an internal DTD subset, a reference in a value, a prefixed root, an attribute twice) gives
// up, and the size is then found by rendering, as for any size that is not plain.
class RootTag {
public:
    explicit RootTag(std::string_view text) : text_(text) {}

    // Moves past the prolog to the root element's name; false where that is not plain.
    bool findRoot() {
        for (;;) {
            skipSpace();
            if (skip("<?")) {
                if (!skipPast("?>")) return false;
            } else if (skip("<!--")) {
                if (!skipPast("-->")) return false;
            } else if (skip("<!DOCTYPE")) {
                const size_t close = text_.find('>', at_);
                if (close == std::string_view::npos ||
                    text_.substr(at_, close - at_).find('[') != std::string_view::npos)
                    return false;
                at_ = close + 1;
            } else {
                return skip("<");
            }
        }
    }

    std::string_view name() {
        const size_t begin = at_;
        while (at_ < text_.size() && !isSpace(text_[at_]) && text_[at_] != '/' && text_[at_] != '>' &&
               text_[at_] != '=')
            ++at_;
        return text_.substr(begin, at_ - begin);
    }

    // The next attribute of the tag; false at the tag's end, and where the text is not plain,
    // which the tag's end then tells.
    bool nextAttribute(std::string_view& key, std::string_view& value) {
        skipSpace();
        key = name();
        if (key.empty()) return false;
        skipSpace();
        plain_ = skip("=");
        skipSpace();
        plain_ = plain_ && at_ < text_.size() && (text_[at_] == '"' || text_[at_] == '\'');
        if (!plain_) return false;
        const char quote = text_[at_++];
        const size_t close = text_.find(quote, at_);
        plain_ = close != std::string_view::npos;
        if (!plain_) return false;
        value = text_.substr(at_, close - at_);
        at_ = close + 1;
        plain_ = value.find_first_of("&<") == std::string_view::npos;
        return plain_;
    }

    // Whether the tag ends plainly here, every attribute before it plain.
    bool atTagEnd() {
        skipSpace();
        return plain_ && (skip(">") || skip("/>"));
    }

private:
    void skipSpace() {
        while (at_ < text_.size() && isSpace(text_[at_]))
            ++at_;
    }
    bool skip(std::string_view token) {
        if (text_.substr(at_, token.size()) != token) return false;
        at_ += token.size();
        return true;
    }
    bool skipPast(std::string_view token) {
        const size_t found = text_.find(token, at_);
        if (found == std::string_view::npos) return false;
        at_ = found + token.size();
        return true;
    }

    std::string_view text_;
    size_t at_ = 0;
    bool plain_ = true;
};

} // namespace

QSize svgPlainSize(const QByteArray& svg) {
    RootTag tag(std::string_view(svg.constData(), static_cast<size_t>(svg.size())));
    if (!tag.findRoot() || tag.name() != "svg") return {};
    int width = -1;
    int height = -1;
    std::string_view key;
    std::string_view value;
    while (tag.nextAttribute(key, value)) {
        if (key != "width" && key != "height") continue;
        int& field = key == "width" ? width : height;
        if (field != -1) return {};
        field = plainPixels(value);
    }
    if (!tag.atTagEnd()) return {};
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
