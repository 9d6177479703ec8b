#include "platform/qtext.h"

#include "basic/utf8.h"

#include <array>

namespace platform {
namespace {

// Code points of the bytes 0x80..0x9F; the five undefined bytes map to themselves.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The marker characters the data puts inside names and descriptions.
constexpr std::string_view kMarkers = "\x1E\x1F";

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

QString toQString(std::string_view bytes) {
    QString shown = basic::isUtf8(bytes)
                        ? QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()))
                        : fromCp1252(bytes);
    if (bytes.find_first_of(kMarkers) != std::string_view::npos) {
        shown.remove(QChar(kMarkers[0]));
        shown.remove(QChar(kMarkers[1]));
    }
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
