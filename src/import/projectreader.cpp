#include "import/projectreader.h"

#include "basic/bytescan.h"
#include "basic/fault.h"
#include "basic/linereader.h"
#include "basic/val.h"
#include "import/swap.h"

#include <algorithm>
#include <cstddef>

namespace osmimport {

namespace {

constexpr double kMostColour = 0xFFFFFF;
// Solid .. inside solid, the pen styles the picture takes.
constexpr Integer kFirstLineStyle = 0;
constexpr Integer kLastLineStyle = 6;

// The values a text can hold at most: every one ends at a comma, a line feed or the end.
long long valuesIn(std::string_view bytes) {
    return static_cast<long long>(basic::countEither(bytes, ',', '\n')) + 1;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(std::string_view s, std::size_t i) {
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i;
}

// A number as the writer writes it: a sign, digits with at most one point (at least one digit),
// and an exponent of E or D with its sign and digits.
bool isNumber(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    const std::size_t whole = digitsFrom(s, i);
    std::size_t end = whole;
    if (end < s.size() && s[end] == '.') end = digitsFrom(s, end + 1);
    if (end - i == 0 || (end - i == 1 && whole == i)) return false;
    if (end < s.size() && (s[end] == 'E' || s[end] == 'e' || s[end] == 'D' || s[end] == 'd')) {
        std::size_t e = end + 1;
        if (e < s.size() && (s[e] == '-' || s[e] == '+')) ++e;
        end = digitsFrom(s, e);
        if (end == e) return false;
    }
    return end == s.size();
}

// An index list as the drawing reads it: pieces between "#", each empty or a whole number
// (blanks before it allowed). Any other piece means the file was damaged: fault 13.
void checkIndexList(std::string_view list) {
    std::size_t from = 0;
    for (std::size_t hash = list.find('#'); hash != std::string_view::npos; hash = list.find('#', from)) {
        std::string_view piece = list.substr(from, hash - from);
        from = hash + 1;
        piece.remove_prefix(std::min(piece.find_first_not_of(' '), piece.size()));
        if (!piece.empty() && piece.front() == '-') piece.remove_prefix(1);
        if (piece.size() > 10 || !std::all_of(piece.begin(), piece.end(), isDigit))
            basic::raise(basic::fault::TypeMismatch);
    }
}

// A colour item the drawing hands to the picture, which takes RGB values 0..&HFFFFFF only.
double checkedColour(double colour) {
    if (!(colour >= 0 && colour <= kMostColour)) basic::raise(basic::fault::InvalidPropertyValue);
    return colour;
}

// The reader tells how far it has come in steps of this many bytes.
constexpr std::ptrdiff_t kPassedStep = std::ptrdiff_t{1} << 20;

class ItemReader {
public:
    ItemReader(std::string_view bytes, const BytesPassed& passed)
        : in_(bytes), capacity_(valuesIn(bytes)), passed_(passed), toldTo_(bytes.data()) {}

    std::string_view raw() {
        ++used_;
        const std::string_view value = in_.input();
        // The value itself is still to be read; everything before it is done with.
        if (passed_ && value.data() - toldTo_ >= kPassedStep) {
            toldTo_ = value.data();
            passed_(toldTo_);
        }
        return value;
    }
    std::string text() { return std::string(raw()); }
    std::string indexList() {
        const std::string_view list = raw();
        checkIndexList(list);
        return std::string(list);
    }
    std::string unescaped() {
        const std::string_view value = raw();
        if (!passed_ || value.size() < 2 * kPassedStep) return swap(value, kUnescape);
        // A long text (the Other Nodes list of a large file) is unescaped in pieces, and the bytes
        // each piece was made of go back at once: the text is not held twice.
        std::string text;
        text.reserve(value.size());
        swapInPieces(value, kUnescape, kPassedStep, {}, [&](std::string_view piece, const char* readTo) {
            text.append(piece);
            toldTo_ = readTo;
            passed_(toldTo_);
        });
        return text;
    }
    void skip() { raw(); }

    double number() { return numberOf(raw()); }
    Integer integer() { return basic::cint(number()); }
    Long whole() { return basic::clng(number()); }
    Single single() { return basic::csng(number()); }
    // A number, or nothing for an empty value.
    std::optional<Double> variant() {
        const std::string_view v = raw();
        if (v.empty()) return std::nullopt;
        return numberOf(v);
    }
    // A record count, which must not be negative.
    Long count() {
        const Long n = whole();
        if (n < 0) basic::raise(basic::fault::SubscriptOutOfRange);
        return n;
    }
    // Fault 62 unless the file can still hold this many values.
    void expect(long long values) {
        if (values > capacity_ - used_) basic::raise(basic::fault::InputPastEndOfFile);
    }

private:
    static double numberOf(std::string_view v) {
        if (!isNumber(v)) basic::raise(basic::fault::TypeMismatch);
        return basic::val(v);
    }

    basic::LineReader in_;
    long long capacity_;
    long long used_ = 0;
    const BytesPassed& passed_;
    const char* toldTo_;
};

constexpr long long kHeaderValues = 17;
constexpr long long kNodeValues = 4;
constexpr long long kWayValues = 17;
constexpr long long kLabelValues = 4;
constexpr long long kMarkerListValues = 10; // the trailer up to the street-name list
constexpr long long kTrailerValues = kMarkerListValues + 13 + kCountCaptions;

// The values a file must still hold after the records: the marker lists, or the whole trailer.
long long trailerValues(ProjectExtent extent) {
    return extent == ProjectExtent::Whole ? kTrailerValues : kMarkerListValues;
}

void readHeader(ItemReader& in, ProjectData& d, ProjectExtent extent) {
    d.fileVersion = in.single();
    d.mapLon0 = in.single();
    d.mapLat0 = in.single();
    d.mapScale = in.whole();
    d.fileSizeMB = in.single();
    d.amenityTotal = in.whole();
    d.lab2Count = in.count();
    d.shopCount = in.whole();
    in.whole(); // reserved
    d.buildingCount = in.whole();
    d.areaList = in.indexList();
    d.bridgeList = in.indexList();
    d.waterwayList = in.indexList();
    d.tramList = in.indexList();
    d.boundaryList = in.indexList();
    const Long nodes = in.count();
    const Long ways = in.count();
    in.expect(kNodeValues * nodes + kWayValues * ways + kLabelValues * d.lab2Count + trailerValues(extent));
    d.sizeNodes(nodes);
    d.sizeWays(ways);
    d.labels.resize(static_cast<std::size_t>(d.lab2Count));
}

void readNodes(ItemReader& in, ProjectData& d) {
    for (Long i = 1; i <= d.nodeCount; ++i) {
        d.nodeX[i] = in.number();
        d.nodeY[i] = in.number();
        d.nodeInfo[i] = in.unescaped();
        d.nodeName[i] = in.unescaped();
    }
}

void readWays(ItemReader& in, ProjectData& d) {
    for (Long i = 1; i <= d.wayCount; ++i) {
        d.wayNodes[i] = in.indexList();
        d.wayWidth[i] = in.integer();
        d.wayLineStyle[i] = in.integer();
        if (d.wayLineStyle[i] < kFirstLineStyle || d.wayLineStyle[i] > kLastLineStyle)
            basic::raise(basic::fault::InvalidPropertyValue);
        d.wayColour[i] = checkedColour(in.number());
        d.wayExtraColour[i] = in.variant();
        if (d.wayExtraColour[i]) checkedColour(*d.wayExtraColour[i]);
        d.wayLayer[i] = in.integer();
        d.wayLineStyleColour[i] = in.number(); // 0 or less: no casing, never handed to the picture
        if (d.wayLineStyleColour[i] > kMostColour) basic::raise(basic::fault::InvalidPropertyValue);
        d.wayNameAngle[i] = in.whole();
        d.wayNameNode[i] = in.whole();
        d.wayMaxSegment[i] = in.single();
        d.wayLabelX[i] = in.single();
        d.wayLabelY[i] = in.single();
        d.wayFill[i] = in.number(); // 0 or less: no fill
        if (d.wayFill[i] > kMostColour) basic::raise(basic::fault::InvalidPropertyValue);
        d.wayFillArg[i] = in.integer();
        d.wayName[i] = in.unescaped();
        d.wayUser[i] = in.unescaped();
        d.wayDate[i] = in.text();
    }
}

void readLabels(ItemReader& in, ProjectData& d) {
    for (LabelRecord& label : d.labels) {
        label.caption = in.unescaped();
        label.x = in.number();
        label.y = in.number();
        label.width = in.single();
    }
}

// Markers 2..count: count - 1 texts, none for a count of 1 or less.
std::size_t markerTexts(Long count) {
    return count > 1 ? static_cast<std::size_t>(count - 1) : 0;
}

void readMarkerTexts(ItemReader& in, std::vector<std::string>& texts, Long count) {
    texts.resize(markerTexts(count));
    for (std::string& t : texts)
        t = in.unescaped();
}

// The trailer up to the street-name list: the marker lists and counts.
void readMarkerLists(ItemReader& in, ProjectData& d) {
    d.quotList = in.text();
    d.questList = in.text();
    d.chainList = in.text();
    in.skip();
    d.noNameList = in.text();
    d.questCount = in.whole();
    d.quotCount = in.whole();
    d.chainCount = in.whole();
    in.expect(2);
    d.onewayArrowList = in.text();
    d.streetNameList = in.text();
}

// The rest of the trailer: the marker texts, the problem texts and the count captions.
void readProblemTexts(ItemReader& in, ProjectData& d) {
    in.expect(static_cast<long long>(markerTexts(d.questCount) + markerTexts(d.quotCount) +
                                     markerTexts(d.chainCount)) +
              kTrailerValues - kMarkerListValues);
    readMarkerTexts(in, d.chainTexts, d.chainCount);
    readMarkerTexts(in, d.quotTexts, d.quotCount);
    readMarkerTexts(in, d.questTexts, d.questCount);
    d.hiddenAreaList = in.unescaped();
    d.fixmeList = in.unescaped();
    d.amenityList = in.unescaped();
    d.trailerText = in.unescaped();
    d.otherNodesList = in.unescaped();
    d.areaRecordList = in.unescaped();
    in.skip();
    d.unclosedAreaList = in.unescaped();
    d.emptyTagList = in.unescaped();
    d.fixmeCount = in.whole();
    d.noteList = in.unescaped();
    d.noteCount = in.whole();
    d.placeList = in.unescaped();
    for (Long& caption : d.countCaptions)
        caption = in.whole();
}

} // namespace

ProjectData readProjectFile(std::string_view bytes, ProjectExtent extent, const BytesPassed& passed) {
    ItemReader in(bytes, passed);
    in.expect(kHeaderValues);
    ProjectData d;
    readHeader(in, d, extent);
    readNodes(in, d);
    readWays(in, d);
    readLabels(in, d);
    readMarkerLists(in, d);
    if (extent == ProjectExtent::Whole) readProblemTexts(in, d);
    return d;
}

} // namespace osmimport
