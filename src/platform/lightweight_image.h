#pragma once
// The image control: a picture shown in its container. Without Stretch the control takes the
// picture's size whenever a picture is assigned and shows it at that size; with Stretch the
// picture is scaled to the control. A picture with an alpha channel is shown with its
// transparency. BorderStyle 1 draws a one-pixel black frame over the picture's edge (the pressed
// look of the toolbar images). A picture of the program's artwork given by name is rendered only
// when it is first shown or read: the control knows its size before that.

#include "platform/artwork.h"
#include "platform/lightweight.h"

#include <QImage>

namespace platform {

class ImageControl : public Lightweight {
public:
    ImageControl(Container& container, std::string name);

    const QImage& picture() const;
    void setPicture(QImage picture);
    // The artwork picture of that name, or its mask or transparent form (see platform/artwork.h),
    // rendered when first needed.
    void setArtwork(std::string name, ArtLayer layer = ArtLayer::picture);
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);
    // 0 none, 1 fixed single; anything else is fault 380.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

    // What a loaded element copies from its template.
    void copyPropertiesFrom(const ImageControl& other);

    bool takesMouse() const override { return true; }
    void paint(QPainter& painter) const override;

private:
    void takeSize(QSize pixels);

    mutable QImage picture_;
    mutable std::string pendingArt_; // the artwork picture_ stands for until it is rendered
    ArtLayer pendingLayer_ = ArtLayer::picture;
    bool stretch_ = false;
    int borderStyle_ = 0;
};

} // namespace platform
