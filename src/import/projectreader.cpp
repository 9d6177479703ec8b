#include "import/projectreader.h"

#include "basic/bytescan.h"
#include "basic/fault.h"
#include "basic/linereader.h"
#include "basic/orderedchunks.h"
#include "basic/val.h"
#include "import/fieldescape.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

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

// The texts of a chunk's records, made on a worker thread and put in place by the calling one,
// so that the records' memory comes from the calling thread's heap, as when one thread reads: in
// heaps of the workers' own it would come on top of the free memory the calling thread reuses.
class ChunkTexts {
public:
    void reserve(std::size_t bytes) {
        bytes_.reserve(bytes);
        ends_.reserve(bytes / 16);
    }
    void add(std::string& target, std::string_view raw, bool unescape) {
        if (unescape)
            appendCodedField(bytes_, raw, FieldCoding::unescape);
        else
            bytes_.append(raw);
        ends_.push_back({&target, bytes_.size()});
    }
    void putInPlace() {
        std::size_t from = 0;
        for (const auto& [target, end] : ends_) {
            target->assign(bytes_, from, end - from);
            from = end;
        }
        bytes_.clear();
        ends_.clear();
    }

private:
    std::string bytes_;
    std::vector<std::pair<std::string*, std::size_t>> ends_;
};

class ItemReader {
public:
    ItemReader(std::string_view bytes, long long capacity, const BytesPassed& passed)
        : in_(bytes), capacity_(capacity), passed_(passed), toldTo_(bytes.data()) {}

    std::size_t position() const noexcept { return in_.position(); }
    // The texts go to texts rather than in place.
    void deferTexts(ChunkTexts* texts) noexcept { deferred_ = texts; }
    // On at position after values that others read, told as read up to readTo.
    void passOver(std::size_t position, long long values, const char* readTo) {
        in_.moveTo(position);
        used_ += values;
        toldTo_ = std::max(toldTo_, readTo);
    }

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
        if (!passed_ || value.size() < 2 * kPassedStep) return unescapeField(value);
        // A long text (the Other Nodes list of a large file) is unescaped in pieces, and the bytes
        // each piece was made of go back at once: the text is not held twice.
        std::string text;
        text.reserve(value.size());
        codeFieldInPieces(value, FieldCoding::unescape, kPassedStep, {},
                          [&](std::string_view piece, const char* readTo) {
                              text.append(piece);
                              toldTo_ = readTo;
                              passed_(toldTo_);
                          });
        return text;
    }
    void skip() { raw(); }
    // The same read into a record's text.
    void textTo(std::string& target) {
        if (deferred_)
            deferred_->add(target, raw(), false);
        else
            target = text();
    }
    void indexListTo(std::string& target) {
        if (!deferred_) {
            target = indexList();
            return;
        }
        const std::string_view list = raw();
        checkIndexList(list);
        deferred_->add(target, list, false);
    }
    void unescapedTo(std::string& target) {
        if (deferred_)
            deferred_->add(target, raw(), true);
        else
            target = unescaped();
    }

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
    ChunkTexts* deferred_ = nullptr;
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
    std::vector<Long>().swap(d.nodeUse); // the import's own count, not in the file
    d.sizeWays(ways);
    d.labels.resize(static_cast<std::size_t>(d.lab2Count));
}

void readNode(ItemReader& in, ProjectData& d, Long i) {
    d.nodeX[i] = in.number();
    d.nodeY[i] = in.number();
    in.unescapedTo(d.nodeInfo[i]);
    in.unescapedTo(d.nodeName[i]);
}

void readWay(ItemReader& in, ProjectData& d, Long i) {
    in.indexListTo(d.wayNodes[i]);
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
    in.unescapedTo(d.wayName[i]);
    in.unescapedTo(d.wayUser[i]);
    in.textTo(d.wayDate[i]);
}

void readNodesAndWays(ItemReader& in, ProjectData& d) {
    for (Long i = 1; i <= d.nodeCount; ++i)
        readNode(in, d, i);
    for (Long i = 1; i <= d.wayCount; ++i)
        readWay(in, d, i);
}

// The file's bytes cut into chunks of split.chunkBytes, each scanned once on the workers: what the
// reader needs to know before it can read the records of several chunks at once.
class RecordScan {
public:
    RecordScan(std::string_view bytes, const RecordSplit& split)
        : bytes_(bytes), chunkBytes_(std::max<std::size_t>(split.chunkBytes, 1)) {
        const std::size_t count = (bytes.size() + chunkBytes_ - 1) / chunkBytes_;
        if (split.workers <= 1 || count <= 1) {
            values_ = valuesIn(bytes);
            return;
        }
        chunks_.resize(count);
        basic::inOrder(count, split.workers, count, [&](std::size_t k) { chunks_[k] = scanned(chunk(k)); },
                       [](std::size_t) {});
        for (const Chunk& c : chunks_)
            values_ += static_cast<long long>(c.lineFeeds + c.commas);
        ++values_;
    }

    // The values the file can hold at most (valuesIn).
    long long values() const noexcept { return values_; }
    bool scanned() const noexcept { return !chunks_.empty(); }
    std::size_t chunkBytes() const noexcept { return chunkBytes_; }
    std::string_view chunk(std::size_t k) const { return bytes_.substr(k * chunkBytes_, chunkBytes_); }

    // The line feeds of chunk k at and after the byte at, which is in it or the chunk's start;
    // no byte before at is read, as the bytes before the reader may have gone back already.
    std::size_t lineFeedsFrom(std::size_t k, std::size_t at) const {
        const std::size_t begin = k * chunkBytes_;
        return at == begin ? chunks_[k].lineFeeds : basic::countEither(chunk(k).substr(at - begin), '\n', '\n');
    }
    // Just after the n-th line feed (from 1) at or after from; npos when there are fewer.
    std::size_t afterLineFeed(std::size_t from, std::size_t n) const {
        for (std::size_t k = from / chunkBytes_; k < chunks_.size(); ++k) {
            const std::size_t at = std::max(from, k * chunkBytes_);
            const std::size_t here = lineFeedsFrom(k, at);
            if (here < n) {
                n -= here;
                continue;
            }
            std::size_t after = at;
            for (; n > 0; --n)
                after = bytes_.find('\n', after) + 1;
            return after;
        }
        return std::string_view::npos;
    }
    // The first comma or double quote at or after from; the end of the bytes when none is.
    std::size_t commaOrQuoteFrom(std::size_t from) const {
        for (std::size_t k = from / chunkBytes_; k < chunks_.size(); ++k) {
            const std::size_t begin = k * chunkBytes_;
            if (chunks_[k].commaOrQuote == std::string_view::npos) continue;
            if (begin + chunks_[k].commaOrQuote >= from) return begin + chunks_[k].commaOrQuote;
            const std::size_t found = basic::findEither(bytes_, from, ',', '"');
            if (found < begin + chunk(k).size()) return found;
        }
        return bytes_.size();
    }

private:
    struct Chunk {
        std::size_t lineFeeds = 0;
        std::size_t commas = 0;
        std::size_t commaOrQuote = std::string_view::npos; // the first, from the chunk's start
    };
    // One pass, eight bytes at a time.
    static Chunk scanned(std::string_view bytes) {
        using namespace basic::bytescan;
        Chunk c;
        std::size_t i = 0;
        for (; i + kWord <= bytes.size(); i += kWord) {
            const std::uint64_t w = wordAt(bytes.data() + i);
            const std::uint64_t lineFeeds = zeroBytes(w ^ everyByte('\n'));
            const std::uint64_t commas = zeroBytes(w ^ everyByte(','));
            // Each mask has only the top bit of a byte set: the bytes' sum lands in the top one.
            c.lineFeeds += (lineFeeds >> 7) * kEveryByte >> 56;
            c.commas += (commas >> 7) * kEveryByte >> 56;
            if (const std::uint64_t odd = commas | zeroBytes(w ^ everyByte('"'));
                odd != 0 && c.commaOrQuote == std::string_view::npos)
                c.commaOrQuote = i + static_cast<std::size_t>(std::countr_zero(odd)) / kWord;
        }
        for (; i < bytes.size(); ++i) {
            c.lineFeeds += bytes[i] == '\n' ? 1 : 0;
            c.commas += bytes[i] == ',' ? 1 : 0;
            if ((bytes[i] == ',' || bytes[i] == '"') && c.commaOrQuote == std::string_view::npos) c.commaOrQuote = i;
        }
        return c;
    }

    std::string_view bytes_;
    std::size_t chunkBytes_;
    std::vector<Chunk> chunks_;
    long long values_ = 0;
};

// The node and way records as lines: record r (nodes first, then ways) begins on line
// lineOf(r), counted from the first node's line.
struct RecordLines {
    Long nodes = 0;
    Long ways = 0;

    long long records() const noexcept { return static_cast<long long>(nodes) + ways; }
    long long lines() const noexcept { return lineOf(records()); }
    long long lineOf(long long r) const noexcept {
        return r <= nodes ? kNodeValues * r : kNodeValues * nodes + kWayValues * (r - nodes);
    }
    // The first record that begins on line or after it.
    long long firstFrom(long long line) const noexcept {
        if (line <= kNodeValues * nodes) return (line + kNodeValues - 1) / kNodeValues;
        return nodes + (line - kNodeValues * nodes + kWayValues - 1) / kWayValues;
    }
};

// Reads the node and way records chunk by chunk on split.workers threads, the chunks' records
// put in place as the plain reader puts them. That is only sure where every value of the records
// is a line of its own: no comma ends a value early and no double quote opens a quoted one, as
// in every file the writer writes. Elsewhere nothing is read and the answer is false. A fault is
// the one the plain reader raises first: that of the earliest chunk.
bool readRecordsInChunks(std::string_view bytes, const RecordScan& scan, ItemReader& in, ProjectData& d,
                         const BytesPassed& passed, const RecordSplit& split) {
    const RecordLines lines{d.nodeCount, d.wayCount};
    if (!scan.scanned() || lines.records() == 0) return false;
    const std::size_t from = in.position();
    const std::size_t to = scan.afterLineFeed(from, static_cast<std::size_t>(lines.lines()));
    if (to == std::string_view::npos || scan.commaOrQuoteFrom(from) < to) return false;

    // Chunk k of the records runs from the k-th chunk boundary after from (or from) to the next
    // one (or to), and its first byte is on the line startLine[k], counted from from. Whether
    // that byte begins its line is known before any byte goes back.
    const std::size_t first = from / scan.chunkBytes();
    const std::size_t count = (to - 1) / scan.chunkBytes() + 1 - first;
    std::vector<long long> startLine(count);
    std::vector<char> beginsLine(count, 1);
    for (std::size_t k = 1; k < count; ++k) {
        const std::size_t at = std::max(from, (first + k - 1) * scan.chunkBytes());
        startLine[k] = startLine[k - 1] + static_cast<long long>(scan.lineFeedsFrom(first + k - 1, at));
        beginsLine[k] = bytes[(first + k) * scan.chunkBytes() - 1] == '\n';
    }
    // A chunk's texts wait for the calling thread, the bytes they were read from with them.
    const std::size_t window = std::size_t{split.workers} + 1;
    std::vector<const char*> readTo(window);
    std::vector<ChunkTexts> texts(window);
    for (ChunkTexts& t : texts)
        t.reserve(scan.chunkBytes() + scan.chunkBytes() / 4);
    static const BytesPassed kUntold;
    basic::inOrder(
        count, split.workers, window,
        [&](std::size_t k) {
            // The records whose first line begins in this chunk.
            const std::size_t begin = std::max(from, (first + k) * scan.chunkBytes());
            const std::size_t end = std::min(to, (first + k + 1) * scan.chunkBytes());
            std::size_t at = begin;
            long long line = startLine[k];
            if (!beginsLine[k]) {
                at = bytes.find('\n', at) + 1;
                ++line;
            }
            long long r = lines.firstFrom(line);
            for (; line < lines.lineOf(r) && at < end; ++line)
                at = bytes.find('\n', at) + 1;
            ItemReader chunk(bytes.substr(0, to), 0, kUntold);
            chunk.passOver(at, 0, nullptr);
            chunk.deferTexts(&texts[k % window]);
            for (; r < lines.records() && chunk.position() < end; ++r) {
                if (r < lines.nodes)
                    readNode(chunk, d, static_cast<Long>(r + 1));
                else
                    readWay(chunk, d, static_cast<Long>(r - lines.nodes + 1));
            }
            // The next chunk's worker may still be reading from its start on.
            readTo[k % window] = bytes.data() + std::min(chunk.position(), end);
        },
        [&](std::size_t k) {
            texts[k % window].putInPlace();
            if (passed) passed(readTo[k % window]);
        });
    in.passOver(to, lines.lines(), bytes.data() + to);
    return true;
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

ProjectData readProjectFile(std::string_view bytes, ProjectExtent extent, const BytesPassed& passed,
                            const RecordSplit& split) {
    const RecordScan scan(bytes, split);
    ItemReader in(bytes, scan.values(), passed);
    in.expect(kHeaderValues);
    ProjectData d;
    readHeader(in, d, extent);
    if (!readRecordsInChunks(bytes, scan, in, d, passed, split)) readNodesAndWays(in, d);
    readLabels(in, d);
    readMarkerLists(in, d);
    if (extent == ProjectExtent::Whole) readProblemTexts(in, d);
    return d;
}

} // namespace osmimport
