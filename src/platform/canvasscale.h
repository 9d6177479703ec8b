#pragma once
// The coordinate system of a picture: its ScaleMode and, in the user mode, ScaleLeft, ScaleTop,
// ScaleWidth and ScaleHeight laid over the device pixels.
//
// - Twips (1) and pixels (3) put the origin at the top-left pixel; their ScaleWidth and
//   ScaleHeight follow the pixel size (15 twips per pixel).
// - User (0): pixel = (unit − ScaleLeft) × pixel width / ScaleWidth, likewise vertically.
//   Setting any of the four values switches to the user mode, keeping the others as they were
//   in the mode before; choosing mode 0 keeps the current scale, and a resize keeps the user
//   values, so the units stretch with the picture.
// Only these modes are used by the system; any other is "Invalid property value".

namespace platform {

namespace scalemode {
inline constexpr int User = 0;
inline constexpr int Twips = 1;
inline constexpr int Pixels = 3;
} // namespace scalemode

class CanvasScale {
public:
    int mode() const { return mode_; }
    void setMode(int mode);

    double left() const;
    double top() const;
    double width() const;
    double height() const;
    void setLeft(double value);
    void setTop(double value);
    void setWidth(double value); // 0 is "Invalid property value"
    void setHeight(double value);

    void setPixelSize(int width, int height);

    // Positions.
    double toPixelX(double units) const;
    double toPixelY(double units) const;
    double fromPixelX(double pixels) const;
    double fromPixelY(double pixels) const;

    // Lengths between the modes 0 (this picture's current scale), 1 (twips) and 3 (pixels);
    // any other mode is "Invalid procedure call or argument". A user scale over a picture of no
    // pixels converts everything to 0.
    double scaleX(double value, int fromMode, int toMode) const;
    double scaleY(double value, int fromMode, int toMode) const;

private:
    double pixelsPerUnitX(int mode) const;
    double pixelsPerUnitY(int mode) const;
    void enterUserMode();

    int mode_ = scalemode::Twips;
    double left_ = 0; // user values, valid in the user mode
    double top_ = 0;
    double width_ = 1;
    double height_ = 1;
    int pixelWidth_ = 0;
    int pixelHeight_ = 0;
};

} // namespace platform
