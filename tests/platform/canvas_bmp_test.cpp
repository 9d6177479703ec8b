#include "canvas_test_support.h"
#include "platform/bitmapfile.h"
#include "platform/canvas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace platform {
namespace {

using testing::faultOf;

std::uint32_t read32(const QByteArray& bytes, int at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return v;
}

std::uint16_t read16(const QByteArray& bytes, int at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
}

// 3×2: the top row red, green, blue; the bottom row black, white, grey.
QImage smallImage() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(2, 0, qRgb(0, 0, 255));
    image.setPixel(0, 1, qRgb(0, 0, 0));
    image.setPixel(1, 1, qRgb(255, 255, 255));
    image.setPixel(2, 1, qRgb(1, 2, 3));
    return image;
}

TEST(CanvasBmp, HeadersAndRowsAreByteExact) {
    const QByteArray bytes = bmpBytes(smallImage());
    ASSERT_EQ(bytes.size(), 54 + 2 * 12); // rows of 9 bytes padded to 12
    struct Field {
        const char* name;
        int offset;
        int size;
        std::uint32_t value;
    };
    const Field fields[] = {
        {"type", 0, 2, 0x4D42}, // "BM"
        {"file size", 2, 4, 78},
        {"reserved", 6, 4, 0},
        {"pixel offset", 10, 4, 54},
        {"info size", 14, 4, 40},
        {"width", 18, 4, 3},
        {"height (bottom-up)", 22, 4, 2},
        {"planes", 26, 2, 1},
        {"bits per pixel", 28, 2, 24},
        {"compression", 30, 4, 0},
        {"image size", 34, 4, 24},
        {"x pixels per metre", 38, 4, 3780},
        {"y pixels per metre", 42, 4, 3780},
        {"colours used", 46, 4, 0},
        {"important colours", 50, 4, 0},
    };
    for (const Field& f : fields) {
        const std::uint32_t actual = f.size == 2 ? read16(bytes, f.offset) : read32(bytes, f.offset);
        EXPECT_EQ(actual, f.value) << f.name;
    }
    // The bottom row comes first, blue-green-red, then three zero bytes of padding.
    const QByteArray rows = bytes.mid(54);
    const QByteArray expected("\x00\x00\x00"
                              "\xFF\xFF\xFF"
                              "\x03\x02\x01"
                              "\x00\x00\x00"
                              "\x00\x00\xFF"
                              "\x00\xFF\x00"
                              "\xFF\x00\x00"
                              "\x00\x00\x00",
                              24);
    EXPECT_EQ(rows, expected);
}

TEST(CanvasBmp, ReadsBackAsTheSamePicture) {
    for (const QSize size : {QSize(1, 1), QSize(4, 3), QSize(5, 2), QSize(7, 9)}) {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, qRgb(x * 30, y * 20, 200 - x - y));
        }
        const QImage back = QImage::fromData(bmpBytes(image), "BMP");
        ASSERT_FALSE(back.isNull()) << size.width();
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image) << size.width() << "x" << size.height();
    }
}

TEST(CanvasBmp, SavesTheCanvasImageToAFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Canvas p2(3, 2);
    p2.image() = smallImage();
    const QString path = dir.filePath("screen.bmp");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(500, 'x')); // an older, longer file is replaced whole
    old.close();

    p2.saveBmp(path.toStdString());
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), bmpBytes(smallImage()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"screen.bmp"}); // no temporary left
}

TEST(CanvasBmp, FailuresRaiseAndWriteNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage image = smallImage();
    const std::string missingFolder = dir.filePath("no/such/folder/map.bmp").toStdString();
    EXPECT_EQ(faultOf([&] { saveBmp(image, missingFolder); }), basic::fault::PathNotFound);
    EXPECT_EQ(faultOf([&] { saveBmp(image, ""); }), basic::fault::PathNotFound);
    EXPECT_EQ(faultOf([&] { saveBmp(image, dir.path().toStdString()); }), basic::fault::PermissionDenied);
    EXPECT_EQ(faultOf([&] { saveBmp(QImage(), dir.filePath("empty.bmp").toStdString()); }),
              basic::fault::InvalidPropertyValue);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

} // namespace
} // namespace platform
