#pragma once
// Windows bitmap files: how a picture is saved ("Save Screen").

#include <QByteArray>
#include <QImage>
#include <string_view>

namespace platform {

// The image as a 24-bit Windows bitmap file: a 14-byte file header and a 40-byte info header
// (uncompressed, 96 dpi), then the rows bottom-up, each blue, green, red per pixel and padded
// with zero bytes to a multiple of 4.
QByteArray bmpBytes(const QImage& image);

// Writes bmpBytes(image) to the file, whole or not at all: the bytes go to a temporary file that
// replaces the target only once complete. Raises "Invalid property value" for an empty image,
// "Path not found" when the folder does not exist, "Permission denied" when the file cannot be
// created there and "Device I/O error" when writing fails.
void saveBmp(const QImage& image, std::string_view path);

} // namespace platform
