#include "platform/lightweight_image.h"

#include "platform/container.h"

#include <QPainter>

namespace platform {

ImageControl::ImageControl(Container& container, std::string name)
    : Lightweight(container, std::move(name)) {}

void ImageControl::setPicture(QImage picture) {
    picture_ = std::move(picture);
    if (!stretch_ && container()) {
        move(left(), top(), container()->lengthFromPixelsX(picture_.width()),
             container()->lengthFromPixelsY(picture_.height()));
    }
    repaint();
}

void ImageControl::setStretch(bool stretch) {
    stretch_ = stretch;
    repaint();
}

void ImageControl::setBorderStyle(int style) {
    checkPropertyRange(style, 0, 1);
    borderStyle_ = style;
    repaint();
}

void ImageControl::copyPropertiesFrom(const ImageControl& other) {
    picture_ = other.picture_;
    stretch_ = other.stretch_;
    borderStyle_ = other.borderStyle_;
    copyCommonFrom(other);
    repaint();
}

void ImageControl::paint(QPainter& painter) const {
    const QRect bounds = pixelBounds();
    if (!picture_.isNull()) {
        if (stretch_) {
            painter.drawImage(bounds, picture_);
        } else {
            painter.save();
            painter.setClipRect(bounds, Qt::IntersectClip);
            painter.drawImage(bounds.topLeft(), picture_);
            painter.restore();
        }
    }
    if (borderStyle_ == 1 && !bounds.isEmpty()) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(bounds.adjusted(0, 0, -1, -1));
    }
}

} // namespace platform
