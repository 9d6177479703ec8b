#pragma once
// The program's pictures, by name: "poi/PUB", "poi/x42", "tiles/7", "markers/quest", ... as listed
// in resources/art/INVENTORY.md. Pictures are rendered once and kept; every later load of the
// same name shares the same image data.
//
// White is the transparent colour of every picture: the icon painter whitens the icon's place
// with the mask and then ANDs the picture in, and white leaves the map unchanged there. The
// artwork itself never uses pure white, so a mask is black exactly where its picture is not white.

#include <QCursor>
#include <QImage>
#include <string>
#include <string_view>

namespace platform {

// The picture at its own size, opaque RGB32, white where it is transparent. An unknown name
// gives a 16 x 16 magenta square, so that a missing picture shows on screen.
QImage picture(std::string_view name);

// The picture with its transparency (ARGB32), for a control that lets what lies behind it show.
QImage transparentPicture(std::string_view name);

// Black (0, 0, 0) where the picture is opaque, white where it is transparent; RGB32, the
// picture's size. The placeholder of an unknown name is wholly opaque.
QImage mask(std::string_view name);

// The size picture(name) has, known without rendering the picture when it is not yet loaded.
QSize pictureSize(std::string_view name);

// What of a picture an image control shows: the picture itself, its mask, or the picture with
// its transparency.
enum class ArtLayer { picture, mask, transparent };
QImage artwork(std::string_view name, ArtLayer layer);

// Whether a picture of that name exists.
bool hasPicture(std::string_view name);

// A mouse pointer showing the picture with its transparency, hot spot at (hotX, hotY).
QCursor cursor(std::string_view name, int hotX, int hotY);

// Element `element` of the mask array imin: the mask of the picture that the painter's
// style number of the same value paints. A null image when the array has no such element,
// or holds nothing there (110, 111, 114, 115: no style selects them).
QImage imin(int element);
// The name of the picture whose mask element `element` of imin holds; empty where imin() is null.
std::string iminSource(int element);

} // namespace platform
