#include "platform/lightweight_label.h"

#include "platform/canvascolour.h"
#include "platform/qtext.h"

#include <QPainter>

namespace platform {
namespace {

Qt::Alignment textAlignment(int alignment) {
    switch (alignment) {
    case 1:
        return Qt::AlignRight;
    case 2:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

// Every label starts with the default font; sharing one QFont keeps a load free of font work.
const QFont& defaultFont() {
    static const QFont font = toQFont(FontSpec{});
    return font;
}

} // namespace

LabelControl::LabelControl(Container& container, std::string name)
    : Lightweight(container, std::move(name)), qfont_(defaultFont()) {}

void LabelControl::setCaption(std::string caption) {
    caption_ = std::move(caption);
    repaint();
}

void LabelControl::setBackColor(std::int32_t colour) {
    checkColour(colour);
    backColor_ = colour;
    repaint();
}

void LabelControl::setBackStyle(int style) {
    checkPropertyRange(style, 0, 1);
    backStyle_ = style;
    repaint();
}

void LabelControl::setForeColor(std::int32_t colour) {
    checkColour(colour);
    foreColor_ = colour;
    repaint();
}

void LabelControl::setFont(FontSpec font) {
    checkFontSize(font.size);
    font_ = std::move(font);
    qfont_ = toQFont(font_);
    repaint();
}

void LabelControl::setFontName(std::string name) {
    FontSpec font = font_;
    font.name = std::move(name);
    setFont(std::move(font));
}

void LabelControl::setFontSize(double points) {
    FontSpec font = font_;
    font.size = points;
    setFont(std::move(font));
}

void LabelControl::setFontBold(bool bold) {
    FontSpec font = font_;
    font.bold = bold;
    setFont(std::move(font));
}

void LabelControl::setAlignment(int alignment) {
    checkPropertyRange(alignment, 0, 2);
    alignment_ = alignment;
    repaint();
}

void LabelControl::setBorderStyle(int style) {
    checkPropertyRange(style, 0, 1);
    borderStyle_ = style;
    repaint();
}

void LabelControl::copyPropertiesFrom(const LabelControl& other) {
    caption_ = other.caption_;
    backColor_ = other.backColor_;
    backStyle_ = other.backStyle_;
    foreColor_ = other.foreColor_;
    font_ = other.font_;
    qfont_ = other.qfont_;
    alignment_ = other.alignment_;
    borderStyle_ = other.borderStyle_;
    copyCommonFrom(other);
    repaint();
}

void LabelControl::paint(QPainter& painter) const {
    const QRect bounds = pixelBounds();
    if (bounds.isEmpty()) return;
    painter.save();
    if (backStyle_ == 1) painter.fillRect(bounds, toQColor(backColor_));
    if (!caption_.empty()) {
        QString text = toQString(caption_);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        painter.setFont(qfont_);
        painter.setPen(toQColor(foreColor_));
        painter.drawText(bounds, int(textAlignment(alignment_) | Qt::AlignTop | Qt::TextWordWrap), text);
    }
    if (borderStyle_ == 1) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(bounds.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

} // namespace platform
