#include "platform/lightweight_image.h"

#include "platform/container.h"

#include <QPainter>

namespace platform {

ImageControl::ImageControl(Container& container, std::string name)
    : Lightweight(container, std::move(name)) {}

const QImage& ImageControl::picture() const {
    if (!pendingArt_.empty()) {
        picture_ = artwork(pendingArt_, pendingLayer_);
        pendingArt_.clear();
    }
    return picture_;
}

void ImageControl::setPicture(QImage picture) {
    pendingArt_.clear();
    picture_ = std::move(picture);
    takeSize(picture_.size());
}

void ImageControl::setArtwork(std::string name, ArtLayer layer) {
    picture_ = QImage();
    const QSize size = pictureSize(name);
    pendingArt_ = std::move(name);
    pendingLayer_ = layer;
    takeSize(size);
}

void ImageControl::takeSize(QSize pixels) {
    if (!stretch_ && container()) {
        move(left(), top(), container()->lengthFromPixelsX(pixels.width()),
             container()->lengthFromPixelsY(pixels.height()));
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
    pendingArt_ = other.pendingArt_;
    pendingLayer_ = other.pendingLayer_;
    stretch_ = other.stretch_;
    borderStyle_ = other.borderStyle_;
    copyCommonFrom(other);
    repaint();
}

void ImageControl::paint(QPainter& painter) const {
    const QRect bounds = pixelBounds();
    const QImage& shown = picture();
    if (!shown.isNull()) {
        if (stretch_) {
            painter.drawImage(bounds, shown);
        } else {
            painter.save();
            painter.setClipRect(bounds, Qt::IntersectClip);
            painter.drawImage(bounds.topLeft(), shown);
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
