#include "platform/canvasscale.h"

#include "basic/fault.h"
#include "platform/units.h"

namespace platform {
namespace {

double unitsPerPixel(int mode) {
    return mode == scalemode::Twips ? kTwipsPerPixel : 1.0;
}

void checkConversionMode(int mode) {
    if (mode != scalemode::User && mode != scalemode::Twips && mode != scalemode::Pixels) {
        basic::raise(basic::fault::InvalidProcedureCall);
    }
}

double convert(double value, double fromPixelsPerUnit, double toPixelsPerUnit) {
    return toPixelsPerUnit == 0 ? 0 : value * fromPixelsPerUnit / toPixelsPerUnit;
}

} // namespace

void CanvasScale::setMode(int mode) {
    if (mode == scalemode::User) {
        enterUserMode();
        return;
    }
    if (mode != scalemode::Twips && mode != scalemode::Pixels)
        basic::raise(basic::fault::InvalidPropertyValue);
    mode_ = mode;
}

double CanvasScale::left() const {
    return mode_ == scalemode::User ? left_ : 0;
}
double CanvasScale::top() const {
    return mode_ == scalemode::User ? top_ : 0;
}

double CanvasScale::width() const {
    return mode_ == scalemode::User ? width_ : pixelWidth_ * unitsPerPixel(mode_);
}

double CanvasScale::height() const {
    return mode_ == scalemode::User ? height_ : pixelHeight_ * unitsPerPixel(mode_);
}

void CanvasScale::setLeft(double value) {
    enterUserMode();
    left_ = value;
}

void CanvasScale::setTop(double value) {
    enterUserMode();
    top_ = value;
}

void CanvasScale::setWidth(double value) {
    if (value == 0) basic::raise(basic::fault::InvalidPropertyValue);
    enterUserMode();
    width_ = value;
}

void CanvasScale::setHeight(double value) {
    if (value == 0) basic::raise(basic::fault::InvalidPropertyValue);
    enterUserMode();
    height_ = value;
}

void CanvasScale::setPixelSize(int width, int height) {
    pixelWidth_ = width;
    pixelHeight_ = height;
}

void CanvasScale::enterUserMode() {
    if (mode_ == scalemode::User) return;
    // A picture of no pixels has no extent in units; a unit scale keeps the mapping defined.
    width_ = pixelWidth_ > 0 ? width() : 1;
    height_ = pixelHeight_ > 0 ? height() : 1;
    left_ = 0;
    top_ = 0;
    mode_ = scalemode::User;
}

double CanvasScale::pixelsPerUnitX(int mode) const {
    if (mode != scalemode::User) return 1.0 / unitsPerPixel(mode);
    return mode_ == scalemode::User ? pixelWidth_ / width_ : 1.0 / unitsPerPixel(mode_);
}

double CanvasScale::pixelsPerUnitY(int mode) const {
    if (mode != scalemode::User) return 1.0 / unitsPerPixel(mode);
    return mode_ == scalemode::User ? pixelHeight_ / height_ : 1.0 / unitsPerPixel(mode_);
}

double CanvasScale::toPixelX(double units) const {
    return (units - left()) * pixelsPerUnitX(scalemode::User);
}
double CanvasScale::toPixelY(double units) const {
    return (units - top()) * pixelsPerUnitY(scalemode::User);
}

double CanvasScale::fromPixelX(double pixels) const {
    return left() + convert(pixels, 1.0, pixelsPerUnitX(scalemode::User));
}

double CanvasScale::fromPixelY(double pixels) const {
    return top() + convert(pixels, 1.0, pixelsPerUnitY(scalemode::User));
}

double CanvasScale::scaleX(double value, int fromMode, int toMode) const {
    checkConversionMode(fromMode);
    checkConversionMode(toMode);
    return convert(value, pixelsPerUnitX(fromMode), pixelsPerUnitX(toMode));
}

double CanvasScale::scaleY(double value, int fromMode, int toMode) const {
    checkConversionMode(fromMode);
    checkConversionMode(toMode);
    return convert(value, pixelsPerUnitY(fromMode), pixelsPerUnitY(toMode));
}

} // namespace platform
