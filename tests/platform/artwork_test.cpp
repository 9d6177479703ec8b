#include "platform/artwork.h"
#include "platform/artwork_svg.h"
#include "platform/units.h"

#include <QDirIterator>
#include <QFile>
#include <QPixmap>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;

struct Listed {
    int width = 0;
    int height = 0;
    QRgb background = 0; // tiles only
};

// The inventory beside the pictures in the source tree; its tables are what the tests hold
// the pictures to.
struct Inventory {
    std::map<std::string, Listed> pictures;
    std::map<int, std::string> imin;
};

const Inventory& inventory() {
    static const Inventory parsed = [] {
        Inventory inv;
        QFile file(QStringLiteral(VK_TEST_DATA "/../../resources/art/INVENTORY.md"));
        if (!file.open(QIODevice::ReadOnly)) return inv;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        static const QRegularExpression size(QStringLiteral("^(\\d+)x(\\d+)$"));
        static const QRegularExpression rgb(QStringLiteral("^(\\d+), (\\d+), (\\d+)$"));
        for (const QString& line : lines) {
            const QStringList cells = line.split(QLatin1Char('|'));
            if (cells.size() < 4) continue;
            const QString first = cells[1].trimmed();
            const QString second = cells[2].trimmed();
            bool isNumber = false;
            const int element = first.toInt(&isNumber);
            if (isNumber && second.startsWith(QLatin1Char('`'))) {
                inv.imin[element] = second.mid(1, second.size() - 2).toStdString();
                continue;
            }
            const auto dims = size.match(second);
            if (!first.startsWith(QLatin1Char('`')) || !dims.hasMatch()) continue;
            Listed row{dims.captured(1).toInt(), dims.captured(2).toInt()};
            if (const auto colour = rgb.match(cells[3].trimmed()); colour.hasMatch())
                row.background =
                    qRgb(colour.captured(1).toInt(), colour.captured(2).toInt(), colour.captured(3).toInt());
            inv.pictures[first.mid(1, first.size() - 2).toStdString()] = row;
        }
        return inv;
    }();
    return parsed;
}

bool allPixels(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != colour) return false;
    return true;
}

TEST(Artwork, InventoryListsEveryGroup) {
    std::map<std::string, int> perGroup;
    for (const auto& [name, row] : inventory().pictures)
        ++perGroup[name.substr(0, name.find('/'))];
    EXPECT_EQ(perGroup["tiles"], 29);
    EXPECT_EQ(perGroup["toggles"], 4);
    EXPECT_EQ(perGroup["cursors"], 2);
    EXPECT_GE(perGroup["poi"], 74 + 23); // the icon store and the category templates
    EXPECT_GE(perGroup["markers"], 6);
}

TEST(Artwork, EveryListedPictureLoadsAtItsListedSize) {
    for (const auto& [name, row] : inventory().pictures) {
        SCOPED_TRACE(name);
        EXPECT_EQ(platform::pictureSize(name), QSize(row.width, row.height)) << "known before loading";
        ASSERT_TRUE(platform::hasPicture(name));
        const QImage image = platform::picture(name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_EQ(image.size(), QSize(row.width, row.height));
        EXPECT_EQ(platform::mask(name).size(), image.size());
    }
}

TEST(Artwork, EveryPictureFileIsListed) {
    int files = 0;
    QDirIterator it(QStringLiteral(":/art"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QStringLiteral(".svg")) && !path.endsWith(QStringLiteral(".xpm"))) continue;
        ++files;
        const std::string name = path.mid(6, path.size() - 10).toStdString(); // ":/art/" ... ".svg"
        EXPECT_TRUE(inventory().pictures.count(name)) << name;
    }
    EXPECT_EQ(files, int(inventory().pictures.size()));
}

TEST(Artwork, MaskIsBlackExactlyWhereThePictureIsNotWhite) {
    for (const auto& [name, row] : inventory().pictures) {
        SCOPED_TRACE(name);
        const QImage image = platform::picture(name);
        const QImage holes = platform::mask(name);
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb m = holes.pixel(x, y);
                ASSERT_TRUE(m == kBlack || m == kWhite) << x << "," << y;
                ASSERT_EQ(m == kBlack, image.pixel(x, y) != kWhite) << x << "," << y;
                opaque += m == kBlack;
            }
        EXPECT_GT(opaque, 0);
    }
}

// Antialiasing would blend edge pixels into colours the drawing never names.
TEST(Artwork, SvgPicturesShowOnlyTheColoursTheyName) {
    static const QRegularExpression hex(QStringLiteral("#([0-9a-f]{6})"));
    QDirIterator it(QStringLiteral(":/art"), {QStringLiteral("*.svg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        std::set<QRgb> named{kWhite};
        for (const auto& m : hex.globalMatch(QString::fromLatin1(file.readAll())))
            named.insert(0xff000000u | m.captured(1).toUInt(nullptr, 16));
        const QImage image = platform::picture(path.mid(6, path.size() - 10).toStdString());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_TRUE(named.count(image.pixel(x, y))) << path.toStdString() << " at " << x << "," << y;
    }
}

TEST(Artwork, PatternTilesKeepTheirBackgroundAtPixelOneOne) {
    for (int n = 1; n <= 29; ++n) {
        const std::string name = "tiles/" + std::to_string(n);
        SCOPED_TRACE(name);
        ASSERT_TRUE(platform::hasPicture(name));
        ASSERT_TRUE(inventory().pictures.count(name));
        const QImage tile = platform::picture(name);
        EXPECT_EQ(tile.pixel(1, 1), inventory().pictures.at(name).background);
        EXPECT_TRUE(allPixels(platform::mask(name), kBlack)) << "a tile has no transparent pixel";
        EXPECT_FALSE(allPixels(tile, tile.pixel(1, 1))) << "a tile carries marks";
    }
    EXPECT_FALSE(platform::hasPicture("tiles/0"));
    EXPECT_FALSE(platform::hasPicture("tiles/30"));
}

TEST(Artwork, UnknownOrMalformedNamesGiveThePlaceholder) {
    const char* const names[] = {
        "",         "poi/NOPE", "poi/x6",      "../art/poi/PUB", "/poi/PUB",  "poi//PUB",
        "poi/PUB/", "poi",      "poi/PUB.svg", "INVENTORY",      "poi/P U B", "poi/\xc3\xa9t\xc3\xa9"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(platform::pictureSize(name), QSize(16, 16));
        EXPECT_FALSE(platform::hasPicture(name));
        const QImage image = platform::picture(name);
        EXPECT_EQ(image.size(), QSize(16, 16));
        EXPECT_TRUE(allPixels(image, qRgb(255, 0, 255)));
        EXPECT_TRUE(allPixels(platform::mask(name), kBlack));
    }
    EXPECT_FALSE(platform::hasPicture(std::string_view("poi/PUB\0x", 9)));
}

TEST(Artwork, RepeatedLoadsShareOneImage) {
    const QImage first = platform::picture("poi/PUB");
    for (int i = 0; i < 10000; ++i) {
        const QImage again = platform::picture("poi/PUB");
        ASSERT_EQ(again.cacheKey(), first.cacheKey());
        ASSERT_EQ(again.constBits(), first.constBits());
    }
    EXPECT_EQ(platform::mask("tiles/7").cacheKey(), platform::mask("tiles/7").cacheKey());
}

// The elements of imin as the window declares them; 110, 111, 114 and 115 are declared but
// no style selects them.
std::set<int> declaredImin() {
    std::set<int> elements;
    for (int e = 0; e <= 44; ++e)
        elements.insert(e);
    for (int e :
         {47, 48, 49, 51, 53, 54, 55, 56, 57, 59, 60, 62, 63, 66, 67, 69, 74, 98, 117, 119, 120, 121, 122})
        elements.insert(e);
    for (int e = 100; e <= 115; ++e)
        elements.insert(e);
    return elements;
}

TEST(Artwork, IminElementsAreTheMasksOfTheirListedPictures) {
    const std::set<int> unused{110, 111, 114, 115};
    std::set<int> listed;
    for (const auto& [element, source] : inventory().imin)
        listed.insert(element);
    std::set<int> expected;
    for (int e : declaredImin())
        if (!unused.count(e)) expected.insert(e);
    EXPECT_EQ(listed, expected);
    for (const auto& [element, source] : inventory().imin) {
        SCOPED_TRACE(element);
        ASSERT_TRUE(platform::hasPicture(source)) << source;
        EXPECT_EQ(platform::imin(element), platform::mask(source));
        EXPECT_EQ(platform::iminSource(element), source);
    }
    for (int element : {-1, 45, 46, 50, 52,  58,  61,  64,  65,  68,  70,  71,
                        72, 73, 75, 99, 110, 111, 114, 115, 116, 118, 123, 32767})
        EXPECT_TRUE(platform::imin(element).isNull() && platform::iminSource(element).empty()) << element;
}

TEST(Artwork, PicturesPaintedThroughOneMaskShareTheirShape) {
    const std::pair<const char*, const char*> shared[] = {
        {"poi/CHU", "poi/x28"}, {"poi/PUB", "poi/REC"}, {"poi/BUS", "poi/x71"}};
    for (const auto& [a, b] : shared)
        EXPECT_EQ(platform::mask(a), platform::mask(b)) << a << " " << b;
}

// Style 99 and the plain style numbers copy the picture as an opaque rectangle, so those
// pictures fill it; every other POI icon goes through a mask and leaves its corner clear.
TEST(Artwork, PlainIconsFillTheirRectangleAndMaskedIconsDoNot) {
    const std::set<std::string> plain{"poi/x10", "poi/x13", "poi/x37", "poi/x39", "poi/x45", "poi/x46",
                                      "poi/x50", "poi/x52", "poi/x58", "poi/x61", "poi/x64", "poi/x65",
                                      "poi/x68", "poi/x70", "poi/x73", "poi/POS", "poi/PAR", "poi/SCH",
                                      "poi/SHO", "poi/HOS", "poi/PHA", "poi/HOT", "poi/HIS", "poi/TOU",
                                      "poi/FIR", "poi/TRA", "poi/PYL", "poi/TAG"};
    for (const auto& [name, row] : inventory().pictures) {
        if (name.rfind("poi/", 0) != 0) continue;
        SCOPED_TRACE(name);
        const QImage holes = platform::mask(name);
        if (plain.count(name)) {
            EXPECT_TRUE(allPixels(holes, kBlack));
        } else {
            EXPECT_EQ(holes.pixel(0, 0), kWhite);
        }
    }
}

// Sizes the window fixes in twips: the pictures fill or fit the controls that show them.
TEST(Artwork, PicturesFitTheirControls) {
    auto px = [](int twips) { return (twips + platform::kTwipsPerPixel / 2) / platform::kTwipsPerPixel; };
    const struct {
        const char* name;
        int width;
        int height;
    } exact[] = {{"buttons/Image4_0", 360, 285}, {"buttons/Image4_1", 360, 285}, {"toggles/ex_0", 270, 255},
                 {"toggles/ex_1", 225, 255},     {"toggles/ex_2", 225, 165},     {"toggles/ex_3", 225, 165},
                 {"markers/gpt", 80, 80},        {"markers/plt", 90, 90},        {"markers/gps", 90, 90},
                 {"markers/Image5", 90, 90}};
    for (const auto& c : exact)
        EXPECT_EQ(platform::picture(c.name).size(), QSize(px(c.width), px(c.height))) << c.name;

    auto fits = [](const std::string& name, int twipsWide, int twipsHigh) {
        const QSize size = platform::picture(name).size();
        return size.width() * platform::kTwipsPerPixel <= twipsWide &&
               size.height() * platform::kTwipsPerPixel <= twipsHigh;
    };
    const char* const legend[] = {"poi/CHU", "poi/PUB", "poi/MOB", "poi/POS", "poi/PAR", "poi/BUS",
                                  "poi/SCH", "poi/TOI", "poi/SUP", "poi/SHO", "poi/ATM", "poi/BAN",
                                  "poi/FUE", "poi/HOS", "poi/PHA", "poi/HOT", "poi/HIS", "poi/TOU",
                                  "poi/REC", "poi/CAF", "poi/RES", "poi/ADR", "poi/STA"};
    for (const char* name : legend)
        EXPECT_TRUE(fits(name, 432, 348)) << name << " in its legend cell";
    const char* const problems[] = {"buttons/Image2", "markers/quest",   "buttons/Image11", "buttons/chaina",
                                    "markers/quot",   "buttons/Image10", "buttons/shape12", "poi/AME"};
    for (const char* name : problems)
        EXPECT_TRUE(fits(name, 435, 435)) << name << " in its problem frame";
    for (const auto& [name, row] : inventory().pictures) {
        if (name.rfind("poi/", 0) == 0 || name.rfind("markers/", 0) == 0) {
            EXPECT_TRUE(fits(name, 570, 480)) << name << " in the paint holder p3";
        }
    }
}

TEST(Artwork, CursorsKeepTheirHotSpotAndTransparency) {
    for (const char* name : {"cursors/Image7", "cursors/Image8"}) {
        const QCursor pointer = platform::cursor(name, 15, 15);
        EXPECT_EQ(pointer.hotSpot(), QPoint(15, 15)) << name;
        const QImage image = pointer.pixmap().toImage();
        EXPECT_EQ(image.size(), QSize(32, 32)) << name;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(image.pixel(15, 15)), 255) << name;
    }
    EXPECT_EQ(platform::cursor("cursors/none", 2, 3).pixmap().size(), QSize(16, 16));
}

} // namespace

// The size read from the root tag alone is the renderer's size wherever it is given; any form
// the light reading does not take plainly gives no size, and the picture is then rendered.
TEST(ArtworkSvgSize, PlainRootTagsGiveTheirSizeAndOtherFormsNone) {
    struct Case {
        const char* text;
        QSize size;
    };
    const Case cases[] = {
        {"<svg width=\"20\" height=\"16\">", QSize(20, 16)},
        {"<?xml version='1.0'?>\n<!-- art -->\n<!DOCTYPE svg>\n<svg\theight='7'\nwidth='9'/>", QSize(9, 7)},
        {"<svg xmlns=\"http://www.w3.org/2000/svg\" width = \"3\" height=\"4\" viewBox=\"0 0 3 4\">", QSize(3, 4)},
        {"<svg width=\"20px\" height=\"16\">", QSize()},
        {"<svg width=\"20\">", QSize()},
        {"<svg width=\"0\" height=\"5\">", QSize()},
        {"<svg width=\"123456\" height=\"5\">", QSize()},
        {"<svg width=\"2&#48;\" height=\"5\">", QSize()},
        {"<svg width=\"20\" width=\"30\" height=\"5\">", QSize()},
        {"<svg width=20 height=\"5\">", QSize()},
        {"<svg width=\"20\" height=\"5\"", QSize()},
        {"<svgx width=\"20\" height=\"5\">", QSize()},
        {"<s:svg width=\"20\" height=\"5\">", QSize()},
        {"<!DOCTYPE svg [<!ENTITY w \"20\">]><svg width=\"20\" height=\"5\">", QSize()},
        {"<!-- never closed <svg width=\"20\" height=\"5\">", QSize()},
        {"text<svg width=\"20\" height=\"5\">", QSize()},
        {"", QSize()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::svgPlainSize(QByteArray(c.text)), c.size) << c.text;
}
