#include "platform/qtext.h"

#include "basic/utf8.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace platform {
namespace {

// Code points of the bytes 0x80..0x9F; the five undefined bytes map to themselves.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The marker characters the data puts inside names and descriptions.
constexpr std::string_view kMarkers = "\x1E\x1F";

// The character a reference names ("amp", "#34", "#x22"), or none: an unknown name, a number
// that is no Unicode scalar value, or the character 0.
std::optional<char32_t> referenced(QStringView name) {
    static constexpr std::pair<std::u16string_view, char32_t> kEntities[] = {
        {u"amp", U'&'}, {u"lt", U'<'}, {u"gt", U'>'}, {u"quot", U'"'}, {u"apos", U'\''}};
    for (const auto& [entity, character] : kEntities)
        if (name == QStringView(entity)) return character;
    if (name.size() < 2 || name[0] != u'#') return std::nullopt;
    const bool hex = name[1] == u'x' || name[1] == u'X';
    const QStringView digits = name.mid(hex ? 2 : 1);
    if (digits.isEmpty() || digits.size() > 8) return std::nullopt;
    bool ok = false;
    const uint code = digits.toUInt(&ok, hex ? 16 : 10);
    if (!ok || digits[0] == u'+' || digits[0] == u'-' || code == 0 || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    return static_cast<char32_t>(code);
}

// One pass: "&amp;quot;" shows as "&quot;". A reference that names nothing stays as written.
QString decodeEntities(const QString& text) {
    constexpr qsizetype kLongestReference = 10; // "#x10FFFF" and the ";"
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype end = text[i] == u'&' ? text.indexOf(u';', i + 1) : -1;
        if (end > i + 1 && end - i <= kLongestReference) {
            if (const std::optional<char32_t> character =
                    referenced(QStringView(text).mid(i + 1, end - i - 1))) {
                out += QString::fromUcs4(&*character, 1);
                i = end;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace

QString fromCp1252(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char ch : bytes) {
        unsigned char c = static_cast<unsigned char>(ch);
        out.append(QChar(c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : static_cast<char16_t>(c)));
    }
    return out;
}

std::string toCp1252(const QString& text) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t u = text[i].unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.push_back(static_cast<char>(u));
            continue;
        }
        // A character beyond the 16-bit plane (a surrogate pair) is one character: one "?".
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        char mapped = '?';
        for (size_t k = 0; k < kHigh.size(); ++k) {
            if (kHigh[k] == u) {
                mapped = static_cast<char>(0x80 + k);
                break;
            }
        }
        out.push_back(mapped);
    }
    return out;
}

QString bytesToQString(std::string_view bytes) {
    return basic::isUtf8(bytes) ? QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()))
                                : fromCp1252(bytes);
}

QString toQString(std::string_view bytes) {
    QString shown = bytesToQString(bytes);
    if (bytes.find_first_of(kMarkers) != std::string_view::npos) {
        shown.remove(QChar(kMarkers[0]));
        shown.remove(QChar(kMarkers[1]));
    }
    if (bytes.find('&') != std::string_view::npos) shown = decodeEntities(shown);
    return shown;
}

std::string_view leftCharacters(std::string_view bytes, std::size_t count) {
    if (bytes.size() <= count || !basic::isUtf8(bytes)) return bytes.substr(0, count);
    std::size_t end = 0;
    for (std::size_t characters = 0; end < bytes.size() && characters < count; ++characters) {
        ++end;
        while (end < bytes.size() && basic::isUtf8Continuation(static_cast<unsigned char>(bytes[end])))
            ++end;
    }
    return bytes.substr(0, end);
}

std::string fromQString(const QString& text) { return text.toUtf8().toStdString(); }

} // namespace platform
