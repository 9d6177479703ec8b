#include "platform/artwork.h"

#include "platform/artwork_svg.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <functional>
#include <string>
#include <unordered_map>

namespace platform {
namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kPlaceholder = 0xffff00ff;
constexpr int kPlaceholderSize = 16;

struct Art {
    QImage argb; // premultiplied, as drawn
    QImage picture;
    QImage mask;
    bool found = false;
};

struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

using Cache = std::unordered_map<std::string, Art, NameHash, std::equal_to<>>;

Cache& cache() {
    static Cache loaded;
    return loaded;
}

// Letters, digits, "_" and "-" in segments joined by "/": nothing can climb out of :/art.
bool validName(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.back() == '/') return false;
    char previous = '/';
    for (const char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '_' || c == '-';
        if (!plain && !(c == '/' && previous != '/')) return false;
        previous = c;
    }
    return true;
}

QString pathBase(std::string_view name) {
    return QStringLiteral(":/art/") + QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QImage load(std::string_view name) {
    if (!validName(name)) return {};
    const QString base = pathBase(name);
    QFile svg(base + QStringLiteral(".svg"));
    if (svg.open(QIODevice::ReadOnly)) return renderSvgAliased(svg.readAll());
    const QImage xpm(base + QStringLiteral(".xpm"));
    return xpm.isNull() ? QImage() : xpm.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// One pass over the pixels makes both the flattened picture and its mask; a pixel counts as
// opaque from half coverage on, and an opaque pixel keeps its own colour.
void flatten(Art& art) {
    const QImage straight = art.argb.convertToFormat(QImage::Format_ARGB32);
    art.picture = QImage(straight.size(), QImage::Format_RGB32);
    art.mask = QImage(straight.size(), QImage::Format_RGB32);
    for (int y = 0; y < straight.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(art.picture.scanLine(y));
        auto* hole = reinterpret_cast<QRgb*>(art.mask.scanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            const bool opaque = qAlpha(in[x]) >= 128;
            out[x] = opaque ? (in[x] | kBlack) : kWhite;
            hole[x] = opaque ? kBlack : kWhite;
        }
    }
}

const Art& art(std::string_view name) {
    Cache& loaded = cache();
    if (const auto it = loaded.find(name); it != loaded.end()) return it->second;
    Art art;
    art.argb = load(name);
    art.found = !art.argb.isNull();
    if (!art.found) {
        art.argb = QImage(kPlaceholderSize, kPlaceholderSize, QImage::Format_ARGB32_Premultiplied);
        art.argb.fill(kPlaceholder);
    }
    flatten(art);
    return loaded.emplace(std::string(name), std::move(art)).first->second;
}

// Which picture each element of imin masks. Elements up to 74 follow the icon numbers of the
// icon store; the others belong to the category templates and the problem markers.
struct IminRange {
    int first;
    int last;
};
constexpr IminRange kIconMasks[] = {{0, 44},  {47, 49}, {51, 51}, {53, 57}, {59, 60},
                                    {62, 63}, {66, 67}, {69, 69}, {74, 74}};

struct IminSource {
    int element;
    std::string_view name;
};
constexpr IminSource kNamedMasks[] = {
    {6, "poi/SUP"},       {28, "poi/CHU"},        {98, "poi/AME"},  {100, "poi/x72"},
    {101, "poi/BUS"},     {102, "poi/PUB"},       {103, "poi/ADR"}, {104, "poi/FUE"},
    {105, "poi/MOB"},     {106, "poi/ROU"},       {107, "poi/TOI"}, {108, "poi/ATM"},
    {109, "poi/BAN"},     {112, "poi/RES"},       {113, "poi/CAF"}, {117, "markers/orang"},
    {119, "markers/que"}, {120, "markers/quest"}, {121, "poi/STA"}, {122, "markers/quot"},
};

} // namespace

std::string iminSource(int element) {
    for (const auto& named : kNamedMasks)
        if (named.element == element) return std::string(named.name);
    for (const auto& range : kIconMasks)
        if (element >= range.first && element <= range.last) return "poi/x" + std::to_string(element);
    return {};
}

QImage picture(std::string_view name) {
    return art(name).picture;
}

QImage transparentPicture(std::string_view name) {
    return art(name).argb;
}

QImage mask(std::string_view name) {
    return art(name).mask;
}

QSize pictureSize(std::string_view name) {
    if (const auto it = cache().find(name); it != cache().end()) return it->second.picture.size();
    // Many controls show the same picture: its header is read once.
    static std::unordered_map<std::string, QSize, NameHash, std::equal_to<>> declared;
    if (const auto it = declared.find(name); it != declared.end()) return it->second;
    if (validName(name)) {
        const QString base = pathBase(name);
        QSize size;
        QFile svg(base + QStringLiteral(".svg"));
        if (svg.open(QIODevice::ReadOnly)) {
            size = svgPlainSize(svg.readAll());
        } else if (QImageReader xpm(base + QStringLiteral(".xpm")); xpm.canRead()) {
            size = xpm.size();
        }
        if (size.isValid()) return declared.emplace(std::string(name), size).first->second;
    }
    return art(name).picture.size();
}

QImage artwork(std::string_view name, ArtLayer layer) {
    switch (layer) {
    case ArtLayer::mask:
        return mask(name);
    case ArtLayer::transparent:
        return transparentPicture(name);
    case ArtLayer::picture:
        break;
    }
    return picture(name);
}

bool hasPicture(std::string_view name) {
    return art(name).found;
}

QCursor cursor(std::string_view name, int hotX, int hotY) {
    return QCursor(QPixmap::fromImage(art(name).argb), hotX, hotY);
}

QImage imin(int element) {
    const std::string source = iminSource(element);
    return source.empty() ? QImage() : mask(source);
}

} // namespace platform
