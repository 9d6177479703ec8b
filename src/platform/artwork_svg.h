#pragma once
// SVG pictures rendered without antialiasing. The SVG renderer switches antialiasing on for
// itself, so it paints here through a relay that hands every shape to an aliased painter:
// each pixel ends up wholly one colour of the picture or wholly transparent, which is what
// the masks of the icon painter are made of. (A pen thinner than a pixel still leaves
// part-covered pixels; our drawings use none.)

#include <QByteArray>
#include <QImage>

namespace platform {

// The picture at the size its SVG text declares, as premultiplied ARGB32 on transparent.
// A text that is no valid SVG, or that declares no size, gives a null image.
QImage renderSvgAliased(const QByteArray& svg);

// The size an SVG text declares on its root element when both width and height are plain whole
// numbers of pixels, read without parsing the rest; an invalid size otherwise (the size is then
// known only by rendering).
QSize svgPlainSize(const QByteArray& svg);

} // namespace platform
