#include "routes/gpxtext_read.h"

#include "basic/case.h"
#include "basic/fault.h"
#include "basic/utf8.h"
#include "basic/val.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace routes {

namespace {

using basic::Single;
constexpr std::size_t npos = std::string_view::npos;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Whether text holds word (lower-case ASCII) at pos, in any letter case.
bool hasAt(std::string_view text, std::size_t pos, std::string_view word) {
    if (pos > text.size() || text.size() - pos < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (asciiLower(text[pos + i]) != word[i]) return false;
    }
    return true;
}

bool isNamed(std::string_view name, std::string_view word) {
    return name.size() == word.size() && hasAt(name, 0, word);
}

// ---- Start tags ----

struct PointTag {
    std::string_view name;
    std::size_t list; // 0 waypoints, 1 route points, 2 track points
    bool named;
};

constexpr std::array<PointTag, 3> kPointTags{{{"wpt", 0, true}, {"rtept", 1, true}, {"trkpt", 2, false}}};

// The point element whose start tag begins with the "<" at pos, or nullptr.
const PointTag* pointTagAt(std::string_view text, std::size_t pos) {
    for (const PointTag& tag : kPointTags) {
        const std::size_t after = pos + 1 + tag.name.size();
        if (!hasAt(text, pos + 1, tag.name)) continue;
        if (after == text.size() || isBlank(text[after]) || text[after] == '>' || text[after] == '/')
            return &tag;
    }
    return nullptr;
}

struct StartTag {
    bool complete = false; // its ">" was found
    bool empty = false;    // it closed with "/>": an element without content
    std::size_t end = 0;   // just after the ">"
    std::optional<std::string_view> lat;
    std::optional<std::string_view> lon;
};

bool endsAttributeName(char c) {
    return isBlank(c) || c == '=' || c == '>' || c == '/' || c == '"' || c == '\'';
}

// The attributes from pos up to the tag's ">". A stray character is passed over; a quote that
// never closes leaves the tag incomplete.
StartTag readStartTag(std::string_view text, std::size_t pos) {
    StartTag tag;
    const std::size_t n = text.size();
    while (pos < n) {
        const char c = text[pos];
        if (isBlank(c)) {
            ++pos;
            continue;
        }
        if (c == '>' || (c == '/' && pos + 1 < n && text[pos + 1] == '>')) {
            tag.complete = true;
            tag.empty = c == '/';
            tag.end = pos + (tag.empty ? 2 : 1);
            return tag;
        }
        const std::size_t nameStart = pos;
        while (pos < n && !endsAttributeName(text[pos]))
            ++pos;
        const std::string_view name = text.substr(nameStart, pos - nameStart);
        if (name.empty()) {
            ++pos;
            continue;
        }
        while (pos < n && isBlank(text[pos]))
            ++pos;
        if (pos == n || text[pos] != '=') continue;
        ++pos;
        while (pos < n && isBlank(text[pos]))
            ++pos;
        if (pos == n) break;
        std::string_view value;
        if (text[pos] == '"' || text[pos] == '\'') {
            const std::size_t close = text.find(text[pos], pos + 1);
            if (close == npos) break;
            value = text.substr(pos + 1, close - pos - 1);
            pos = close + 1;
        } else {
            const std::size_t start = pos;
            while (pos < n && !isBlank(text[pos]) && text[pos] != '>' && text[pos] != '/')
                ++pos;
            value = text.substr(start, pos - start);
        }
        if (!tag.lat && isNamed(name, "lat")) tag.lat = value;
        if (!tag.lon && isNamed(name, "lon")) tag.lon = value;
    }
    return tag;
}

// The numeric prefix of text when it lies within -limit..limit.
std::optional<Single> coordinate(std::string_view text, double limit) {
    double v = 0;
    try {
        v = basic::val(text);
    } catch (const basic::RuntimeFault&) {
        return std::nullopt; // beyond the Double range
    }
    if (!(std::fabs(v) <= limit)) return std::nullopt;
    return static_cast<Single>(v);
}

std::optional<GpxPoint> pointOf(const StartTag& tag) {
    if (!tag.lat || !tag.lon) return std::nullopt;
    const std::optional<Single> lat = coordinate(*tag.lat, 90);
    const std::optional<Single> lon = coordinate(*tag.lon, 180);
    if (!lat || !lon) return std::nullopt;
    return GpxPoint{*lat, *lon, {}};
}

// ---- Names ----

// The lower-case partner of a two-byte UTF-8 letter that the Windows-1252 table pairs:
// U+00C0..U+00DE (not U+00D7), Š, Œ, Ž and Ÿ (whose partner ÿ is U+00FF).
void lowerPair(char& lead, char& trail) {
    const auto b = static_cast<unsigned char>(trail);
    if (static_cast<unsigned char>(lead) == 0xC3) {
        if (b >= 0x80 && b <= 0x9E && b != 0x97) trail = static_cast<char>(b + 0x20);
        return;
    }
    if (static_cast<unsigned char>(lead) != 0xC5) return;
    if (b == 0xA0 || b == 0x92 || b == 0xBD) {
        trail = static_cast<char>(b + 1);
    } else if (b == 0xB8) {
        lead = static_cast<char>(0xC3);
        trail = static_cast<char>(0xBF);
    }
}

void lowerInPlace(std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t len = c < 0x80 ? 0 : basic::utf8SequenceAt(s, i);
        if (len == 0) {
            s[i] = static_cast<char>(basic::lowerByte(c));
            ++i;
            continue;
        }
        if (len == 2) lowerPair(s[i], s[i + 1]);
        i += len;
    }
}

void appendUtf8(std::string& out, unsigned long cp) {
    const auto put = [&](unsigned long b) { out += static_cast<char>(b); };
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        put(0xE0 | (cp >> 12));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    } else {
        put(0xF0 | (cp >> 18));
        put(0x80 | ((cp >> 12) & 0x3F));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

// The code point of a character reference body ("#233", "#xe9"), or nullopt when it is none.
std::optional<unsigned long> characterReference(std::string_view body) {
    if (body.size() < 2 || body[0] != '#') return std::nullopt;
    const bool hex = body[1] == 'x';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 7) return std::nullopt;
    unsigned long cp = 0;
    for (char c : digits) {
        int v = -1;
        if (c >= '0' && c <= '9') v = c - '0';
        if (hex && c >= 'a' && c <= 'f') v = c - 'a' + 10;
        if (hex && c >= 'A' && c <= 'F') v = c - 'A' + 10;
        if (v < 0) return std::nullopt;
        cp = cp * (hex ? 16 : 10) + static_cast<unsigned long>(v);
    }
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    return cp;
}

// The character an entity stands for, appended to out; false when "&" starts none.
bool appendEntity(std::string& out, std::string_view body) {
    static constexpr std::array<std::pair<std::string_view, char>, 5> kEntities{
        {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}}};
    for (const auto& [name, c] : kEntities) {
        if (body == name) {
            out += c;
            return true;
        }
    }
    const std::optional<unsigned long> cp = characterReference(body);
    if (cp) appendUtf8(out, *cp);
    return cp.has_value();
}

// The longest entity, "&#x10FFFF;", and a little more.
constexpr std::size_t kEntitySearch = 12;

// raw with its entities decoded, appended to out until out holds more than limit bytes.
void appendDecoded(std::string& out, std::string_view raw, std::size_t limit) {
    std::size_t i = 0;
    while (i < raw.size() && out.size() <= limit) {
        if (raw[i] == '&') {
            const std::size_t semi = raw.substr(i + 1, kEntitySearch).find(';');
            if (semi != npos && appendEntity(out, raw.substr(i + 1, semi))) {
                i += semi + 2;
                continue;
            }
        }
        out += raw[i++];
    }
}

// A name cut to kGpxNameBytes bytes, in lower case, without blanks at its end.
std::string finishedName(std::string name) {
    if (name.size() > kGpxNameBytes) {
        std::size_t cut = kGpxNameBytes;
        // A cut inside a UTF-8 character moves back to its first byte.
        for (int k = 0; k < 3 && cut > 0 && basic::isUtf8Continuation(static_cast<unsigned char>(name[cut]));
             ++k)
            --cut;
        name.resize(cut);
    }
    lowerInPlace(name); // after the cut, which a lower-cased single byte could mislead
    while (!name.empty() && isBlank(name.back()))
        name.pop_back();
    return name;
}

struct NameElement {
    std::string name;
    std::size_t next; // where the reading goes on; npos when the name ran to the end
};

// The name element's text from start, just after "<name>". A CDATA section is its text up to
// "]]>"; any other text ends at the next "<", whatever tag it begins. Either runs to the end of
// the text when nothing ends it.
NameElement readName(std::string_view text, std::size_t start) {
    while (start < text.size() && isBlank(text[start]))
        ++start;
    if (hasAt(text, start, "<![cdata[")) {
        const std::size_t begin = start + 9;
        const std::size_t end = text.find("]]>", begin);
        const std::string_view raw = text.substr(begin, end == npos ? npos : end - begin);
        return {finishedName(std::string(raw.substr(0, kGpxNameBytes + 1))), end == npos ? npos : end + 3};
    }
    const std::size_t end = text.find('<', start);
    std::string name;
    appendDecoded(name, text.substr(start, end == npos ? npos : end - start), kGpxNameBytes);
    return {finishedName(std::move(name)), end};
}

} // namespace

GpxPoints readGpx(std::string_view text) {
    std::array<std::vector<GpxPoint>, kPointTags.size()> lists;
    // The list whose last point is a waypoint or route point still open for its name.
    std::vector<GpxPoint>* awaiting = nullptr;
    bool overLimit = false;
    std::size_t pos = 0;
    while ((pos = text.find('<', pos)) != npos) {
        if (hasAt(text, pos, "<!--") || hasAt(text, pos, "<![cdata[")) {
            const bool comment = text[pos + 1] == '!' && text[pos + 2] == '-';
            const std::size_t end = text.find(comment ? "-->" : "]]>", pos + (comment ? 4 : 9));
            if (end == npos) break;
            pos = end + 3;
            continue;
        }
        if (const PointTag* kind = pointTagAt(text, pos)) {
            const StartTag tag = readStartTag(text, pos + 1 + kind->name.size());
            if (!tag.complete) break;
            awaiting = nullptr;
            std::vector<GpxPoint>& list = lists[kind->list];
            const std::optional<GpxPoint> point = pointOf(tag);
            if (point && list.size() == kGpxPointLimit) {
                overLimit = true;
            } else if (point) {
                list.push_back(*point);
                if (kind->named && !tag.empty) awaiting = &list;
            }
            pos = tag.end;
            continue;
        }
        if (awaiting && hasAt(text, pos, "<name>")) {
            NameElement element = readName(text, pos + 6);
            awaiting->back().name = std::move(element.name);
            awaiting = nullptr;
            pos = element.next;
            continue;
        }
        // The end of a point's element, or a route or track beginning, ends the search for its name.
        if (hasAt(text, pos, "</wpt") || hasAt(text, pos, "</rtept") || hasAt(text, pos, "<rte") ||
            hasAt(text, pos, "<trk"))
            awaiting = nullptr;
        ++pos;
    }

    GpxPoints result;
    std::size_t total = 0;
    for (const auto& list : lists)
        total += list.size();
    result.overLimit = overLimit || total > kGpxPointLimit;
    result.points.reserve(std::min(total, kGpxPointLimit));
    for (std::size_t k = 0; k < lists.size(); ++k) {
        for (GpxPoint& point : lists[k]) {
            if (result.points.size() == kGpxPointLimit) break;
            result.points.push_back(std::move(point));
        }
        if (kPointTags[k].named) result.namedCount = result.points.size();
    }
    return result;
}

} // namespace routes
