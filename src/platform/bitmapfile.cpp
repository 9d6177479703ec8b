#include "platform/bitmapfile.h"

#include "basic/fault.h"
#include "platform/qtext.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdint>

namespace platform {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 3780; // 96 dpi

void put16(char*& at, std::uint16_t v) {
    *at++ = static_cast<char>(v & 0xFF);
    *at++ = static_cast<char>(v >> 8);
}

void put32(char*& at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        *at++ = static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace

QByteArray bmpBytes(const QImage& image) {
    const QImage rgb =
        image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const qsizetype rowBytes = (static_cast<qsizetype>(width) * 3 + 3) / 4 * 4;
    const qsizetype offset = kFileHeaderSize + kInfoHeaderSize;
    const qsizetype size = offset + rowBytes * height;

    QByteArray bytes(size, '\0');
    char* at = bytes.data();
    *at++ = 'B';
    *at++ = 'M';
    put32(at, static_cast<std::uint32_t>(size));
    put32(at, 0); // two reserved words
    put32(at, static_cast<std::uint32_t>(offset));
    put32(at, kInfoHeaderSize);
    put32(at, static_cast<std::uint32_t>(width));
    put32(at, static_cast<std::uint32_t>(height)); // positive: rows bottom-up
    put16(at, 1);                                  // planes
    put16(at, 24);                                 // bits per pixel
    put32(at, 0);                                  // uncompressed
    put32(at, static_cast<std::uint32_t>(rowBytes * height));
    put32(at, kPixelsPerMetre);
    put32(at, kPixelsPerMetre);
    put32(at, 0); // colours used
    put32(at, 0); // colours important

    for (int y = 0; y < height; ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        char* row = bytes.data() + offset + static_cast<qsizetype>(height - 1 - y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            *row++ = static_cast<char>(qBlue(src[x]));
            *row++ = static_cast<char>(qGreen(src[x]));
            *row++ = static_cast<char>(qRed(src[x]));
        }
    }
    return bytes;
}

void saveBmp(const QImage& image, std::string_view path) {
    if (image.isNull()) basic::raise(basic::fault::InvalidPropertyValue);
    const QString name = bytesToQString(path);
    if (name.isEmpty() || !QFileInfo(name).absoluteDir().exists()) basic::raise(basic::fault::PathNotFound);
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) basic::raise(basic::fault::PermissionDenied);
    const QByteArray bytes = bmpBytes(image);
    if (file.write(bytes) != bytes.size() || !file.commit()) basic::raise(basic::fault::DeviceIOError);
}

} // namespace platform
