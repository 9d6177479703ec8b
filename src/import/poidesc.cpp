#include "import/poidesc.h"

#include "basic/case.h"
#include "basic/numtext.h"
#include "basic/text.h"
#include "basic/val.h"
#include "import/tagtext.h"

#include <string_view>

namespace osmimport {

namespace {

using basic::dec;
using basic::instr;
using basic::Position;

constexpr std::string_view kCrLf = "\r\n";
constexpr char kNamedStop = 30; // before the name of a named bus stop or a denomination
constexpr char kPlaceMark = 31; // before a name in the place list
// The amenity flag length, which nothing ever sets from 0, stands with "#" before some names.
constexpr std::string_view kFlagPrefix = "0#";

bool contains(std::string_view text, std::string_view needle) {
    return text.find(needle) != std::string_view::npos;
}

// The first tag value at or after start (counted from 1; 0 counts as 1).
std::string valueFrom(std::string_view text, Position start, char q) {
    return std::string(tagv(text, start, q));
}

// First letter of every word upper case, the rest lower case.
std::string properCase(std::string_view text) {
    std::string out(text);
    bool wordStart = true;
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        c = static_cast<char>(wordStart ? basic::upperByte(byte) : basic::lowerByte(byte));
        wordStart = c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0';
    }
    return out;
}

// The fixed text of a code whose unnamed features are described by it.
std::string_view fixedText(std::string_view c) {
    struct Entry {
        std::string_view code;
        std::string_view text;
    };
    static constexpr Entry kFixed[] = {
        {"CAF", "Cafe"},        {"BAN", "Bank"},
        {"PAR", "Car Park"},    {"TOI", "Toilets"},
        {"SHO", "Shop"},        {"SCH", "School"},
        {"SUP", "Supermarket"}, {"HOT", "Hotel"},
        {"HOS", "Hospital"},    {"FIR", "Fire Station"},
        {"REC", "Recycling"},   {"ATM", "ATM"},
        {"MOB", "Phone Box"},   {"FUE", "Fuel"},
        {"RES", "Restaurant"},  {"HIS", "Historical attraction"},
        {"TOU", "Attraction"},
    };
    for (const Entry& e : kFixed)
        if (e.code == c) return e.text;
    return {};
}

} // namespace

PoiDescriber::PoiDescriber(char quote, ProjectData& data, NodeClassSink& sink)
    : q_(quote), data_(data), sink_(sink), nameKey_(std::string("k=") + quote + "name" + quote) {}

std::string PoiDescriber::nam(std::string& text, Long id) {
    const std::string q(1, q_);
    const bool skip = contains(text, q + "bus") || contains(text, q + "parki") ||
                      contains(text, q + "toil") || contains(text, q + "recy") ||
                      contains(text, q + "telep") || contains(text, "station");
    if (contains(text, "&")) text = basic::replaceAll(std::move(text), "&amp;", "&");
    // Looked for after the replacement, so that the position fits the text it is used on.
    const Position p = instr(text, nameKey_);
    if (p > 0) return valueFrom(text, p + 1, q_);
    if (skip) return "Name?";
    data_.noNameList += dec(id) + "#";
    ++noNameCount_;
    return dec(noNameCount_) + "$Name?";
}

std::string PoiDescriber::tagDescription(const std::string& text) const {
    if (contains(text, "JOSM") && text.size() < 40) return {};
    for (std::string_view source : {"source", "kaart", "osm", "ahoo"})
        if (contains(text, source)) return {};
    std::string d = valueFrom(text, 1, q_);
    const Position latch = instr(text, "otlatch");
    if ((contains(d, "otlatch") || d.empty()) && latch > 0) d = valueFrom(text, latch + 12, q_);
    if (contains(text, "motorway")) return std::string(refTagValue(text, q_));
    const Position note = instr(text, std::string(1, q_) + "note");
    if (note > 0) return valueFrom(text, note, q_);
    if (d == "yes") {
        const Position end = instr(text, "</no");
        return end > 0 ? basic::left(text, end - 1) : d;
    }
    return d;
}

std::string PoiDescriber::bayName(const std::string& text, Long id) {
    const Position p = instr(text, std::string(1, q_) + "name" + q_);
    if (p == 0) return {};
    std::string d;
    const std::string rest = basic::mid(text, p + 6);
    const Position r = instr(rest, std::string("v=") + q_);
    if (r > 0) {
        const std::string value = basic::mid(rest, r + 3);
        const Position slash = instr(value, "/");
        // A value without a following "/" leaves the name empty.
        if (slash >= 2) d = basic::left(value, slash - 2);
    }
    data_.placeList += dec(id) + "#" + kPlaceMark + d + std::string(kCrLf);
    return d;
}

std::string PoiDescriber::tooltx(const std::string& code, std::string& text, Long id) {
    std::string c = code.size() >= 4 && code[3] == '+' ? code.substr(0, 3) : code;
    if (!c.empty() && c[0] == 'X') {
        const double n = basic::val(std::string_view(c).substr(1));
        if (contains(text, "crossing")) return {};
        if (n < 12) {
            std::string d = nam(text, id);
            return n == 11 && contains(d, "?") ? "Name of Club?" : d;
        }
        if (n == 17) return valueFrom(text, instr(text, "terway"), q_);
        return valueFrom(text, instr(text, "amenity"), q_);
    }
    if (c == "TAG") return tagDescription(text);
    if (c == "PLA") {
        std::string d = nam(text, id);
        const Position locality = instr(text, "locality");
        if (contains(d, "?") && locality > 0) d = valueFrom(basic::mid(text, locality + 1), 1, q_);
        data_.placeList += dec(id) + "#" + properCase(d) + std::string(kCrLf);
        return d;
    }
    if (c == "BAY") return bayName(text, id);
    if (c == "AME" || c == "ADR") {
        std::string d = valueFrom(text, instr(text, "amenity"), q_);
        if (c == "AME") {
            data_.amenityList += dec(id) + "^" + d + std::string(kCrLf);
            sink_.count(0, ++data_.countCaptions[0]);
        }
        return d;
    }
    if (c == "CHU" || c == "CHM" || c == "CHJ" || c == "CHH" || c == "CHS") {
        std::string d = nam(text, id);
        Position p = instr(text, std::string(1, q_) + "denom");
        if (p == 0) p = instr(text, std::string(1, q_) + "religi");
        if (p > 0) d += kNamedStop;
        if (contains(d, "Name?"))
            d = basic::replaceAll(std::move(d), "Name", "Place of Worship");
        else
            d = std::string(kFlagPrefix) + d;
        if (p > 0) d += " (" + valueFrom(text, p, q_) + ")";
        return d;
    }
    if (c == "PHA") {
        std::string d = nam(text, id);
        if (contains(text, std::string(1, q_) + "disp")) d = std::string(kFlagPrefix) + d + " (dispensing)";
        if (contains(d, "Name?")) d = basic::replaceAll(std::move(d), "Name", "Pharmacy");
        return d;
    }
    const std::string_view fixed = c == "BUS" ? std::string_view("Bus Stop") : fixedText(c);
    std::string d;
    if (c == "BUS") {
        d = nam(text, id);
        if (!contains(d, "?")) return kNamedStop + d;
    } else if (c == "FUE" || c == "RES") {
        d = nam(text, id);
    } else if (c == "HIS") {
        d = nam(text, id);
        d += " -" + valueFrom(text, instr(text, "hist"), q_);
    } else if (c == "TOU") {
        d = nam(text, id);
        d += "-" + valueFrom(text, instr(text, "tour"), q_);
    }
    // The common end.
    if (d.empty()) d = nam(text, id);
    if (contains(d, "Name?") && !fixed.empty()) d = basic::replaceAll(std::move(d), "Name", fixed);
    if (c == "STA") data_.placeList += dec(id) + "#" + kPlaceMark + d + std::string(kCrLf);
    return d;
}

} // namespace osmimport
