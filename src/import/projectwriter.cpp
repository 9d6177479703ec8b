#include "import/projectwriter.h"

#include "basic/fault.h"
#include "basic/linewriter.h"
#include "basic/numtext.h"
#include "basic/orderedchunks.h"
#include "basic/text.h"
#include "basic/wholefile.h"
#include "import/fieldescape.h"
#include "import/tagtext.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <future>
#include <initializer_list>
#include <vector>

namespace osmimport {

namespace {

using basic::LineWriter;

constexpr bool kNoBlank = false;
// The bytes gathered before they are handed on: a file is never held whole in memory.
constexpr std::size_t kPieceBytes = std::size_t{1} << 20;

using Out = std::function<void(std::string_view)>;

std::string withoutAll(std::string text, std::initializer_list<std::string_view> needles) {
    for (std::string_view n : needles)
        text = basic::replaceAll(std::move(text), n, "");
    return text;
}

// The lines gathered in a LineWriter, handed on once they reach kPieceBytes; a long text line
// goes straight out in escaped pieces instead of through the writer's buffer.
class Pieces {
public:
    Pieces(LineWriter& w, const Out& out) : w_(w), out_(out) {}

    void maybeHandOn() {
        if (w_.bytes().size() >= kPieceBytes) handOn();
    }
    // A long free text escaped while it goes out, less every text of removed, which are made of
    // the bytes of keepWhole: its escaped copy is never held whole.
    void longText(std::string_view text, std::string_view keepWhole = {},
                  std::initializer_list<std::string_view> removed = {}) {
        handOn();
        codeFieldInPieces(
            text, FieldCoding::escape, kPieceBytes, keepWhole, [&](std::string_view piece, const char*) {
                out_(removed.size() == 0 ? std::string(piece) : withoutAll(std::string(piece), removed));
            });
        out_("\r\n");
    }
    void handOn() {
        out_(w_.bytes());
        w_.clear();
    }

private:
    LineWriter& w_;
    const Out& out_;
};

// A record count must not be negative nor pass the end of its array (slot 0 unused).
template <typename T> void requireSlots(const std::vector<T>& v, Long count, std::size_t unused = 1) {
    if (count < 0 || (count > 0 && v.size() < static_cast<std::size_t>(count) + unused))
        basic::raise(basic::fault::SubscriptOutOfRange);
}

// Markers 2..count have their texts at 0..count - 2; a count of 1 or less has none.
void requireTexts(const std::vector<std::string>& texts, Long count) {
    if (count > 1) requireSlots(texts, count - 1, 0);
}

// A floating item as the file may hold it: a file with an infinity or a NaN in it could not be
// read back, so such a value is fault 6 "Overflow" and the file is not written.
template <typename T> T finite(T v) {
    if (!std::isfinite(v)) basic::raise(basic::fault::Overflow);
    return v;
}

std::string escaped(std::string_view text) {
    return escapeField(text);
}

void checkCounts(const ProjectData& d) {
    requireSlots(d.nodeX, d.nodeCount);
    requireSlots(d.nodeY, d.nodeCount);
    requireSlots(d.nodeInfo, d.nodeCount);
    requireSlots(d.nodeName, d.nodeCount);
    requireSlots(d.wayNodes, d.wayCount);
    requireSlots(d.wayWidth, d.wayCount);
    requireSlots(d.wayLineStyle, d.wayCount);
    requireSlots(d.wayColour, d.wayCount);
    requireSlots(d.wayExtraColour, d.wayCount);
    requireSlots(d.wayLayer, d.wayCount);
    requireSlots(d.wayLineStyleColour, d.wayCount);
    requireSlots(d.wayNameAngle, d.wayCount);
    requireSlots(d.wayNameNode, d.wayCount);
    requireSlots(d.wayMaxSegment, d.wayCount);
    requireSlots(d.wayLabelX, d.wayCount);
    requireSlots(d.wayLabelY, d.wayCount);
    requireSlots(d.wayFill, d.wayCount);
    requireSlots(d.wayFillArg, d.wayCount);
    requireSlots(d.wayName, d.wayCount);
    requireSlots(d.wayUser, d.wayCount);
    requireSlots(d.wayDate, d.wayCount);
    requireSlots(d.labels, d.lab2Count, 0);
    requireTexts(d.chainTexts, d.chainCount);
    requireTexts(d.quotTexts, d.quotCount);
    requireTexts(d.questTexts, d.questCount);
}

void writeHeader(LineWriter& w, const ProjectData& d) {
    w.number(finite(d.fileVersion), kNoBlank);
    w.number(finite(d.mapLon0), kNoBlank);
    w.number(finite(d.mapLat0), kNoBlank);
    w.number(d.mapScale, kNoBlank);
    w.number(finite(d.fileSizeMB), kNoBlank);
    w.number(d.amenityTotal, kNoBlank);
    w.number(d.lab2Count, kNoBlank);
    w.number(d.shopCount, kNoBlank);
    w.number(Long{0}, kNoBlank); // reserved
    w.number(d.buildingCount, kNoBlank);
    w.text(d.areaList);
    w.text(d.bridgeList);
    w.text(d.waterwayList);
    w.text(d.tramList);
    w.text(d.boundaryList);
    w.number(d.nodeCount, kNoBlank);
    w.number(d.wayCount, kNoBlank);
}

void writeNode(LineWriter& w, const ProjectData& d, Long i) {
    w.number(finite(d.nodeX[i]), kNoBlank);
    w.number(finite(d.nodeY[i]), kNoBlank);
    w.text(escaped(d.nodeInfo[i]));
    std::string name = escaped(d.nodeName[i]);
    name += ' ';
    w.text(name);
}

void writeWay(LineWriter& w, const ProjectData& d, Long i) {
    w.text(d.wayNodes[i]);
    w.number(d.wayWidth[i], kNoBlank);
    w.number(d.wayLineStyle[i], kNoBlank);
    w.number(finite(d.wayColour[i]), kNoBlank);
    if (d.wayExtraColour[i])
        w.number(finite(*d.wayExtraColour[i]), kNoBlank);
    else
        w.text("");
    w.number(d.wayLayer[i], kNoBlank);
    w.number(finite(d.wayLineStyleColour[i]), kNoBlank);
    w.number(d.wayNameAngle[i], kNoBlank);
    w.number(d.wayNameNode[i], kNoBlank);
    w.number(finite(d.wayMaxSegment[i]), kNoBlank);
    w.number(finite(d.wayLabelX[i]), kNoBlank);
    w.number(finite(d.wayLabelY[i]), kNoBlank);
    w.number(finite(d.wayFill[i]), kNoBlank);
    w.number(d.wayFillArg[i], kNoBlank);
    w.text(escaped(d.wayName[i]));
    w.text(escaped(d.wayUser[i]));
    w.text(escaped(d.wayDate[i])); // a date never needs it, but nothing else may reach the file
}

void writeLabel(LineWriter& w, const ProjectData& d, Long k) {
    const LabelRecord& label = d.labels[static_cast<std::size_t>(k - 1)];
    w.text(escaped(label.caption));
    w.plain(finite(label.x));
    w.plain(finite(label.y));
    w.plain(finite(label.width));
}

// About the bytes a record takes in the file: its texts and a little for its numbers. Sections are
// cut into chunks of split.chunkBytes by these sizes, so that nodes with long tag texts make no
// chunk of many megabytes.
std::size_t nodeBytes(const ProjectData& d, Long i) {
    return 40 + d.nodeInfo[i].size() + d.nodeName[i].size();
}
std::size_t wayBytes(const ProjectData& d, Long i) {
    return 120 + d.wayNodes[i].size() + d.wayName[i].size() + d.wayUser[i].size() + d.wayDate[i].size();
}
std::size_t labelBytes(const ProjectData& d, Long k) {
    return 40 + d.labels[static_cast<std::size_t>(k - 1)].caption.size();
}

using RecordFormat = void (*)(LineWriter&, const ProjectData&, Long);
using RecordBytes = std::size_t (*)(const ProjectData&, Long);

// Records 1..count of one section. On several threads each chunk of records is formatted into
// bytes of its own, and the chunks go out in order; at most one chunk a thread waits to go out.
void writeSection(LineWriter& w, const ProjectData& d, Pieces& pieces, const Out& out, Long count,
                  RecordBytes recordBytes, RecordFormat format, const RecordSplit& split) {
    std::vector<Long> starts;
    if (split.workers > 1)
        starts = chunkStarts(count, [&](Long i) { return recordBytes(d, i); }, split.chunkBytes);
    const std::size_t chunks = starts.empty() ? 1 : starts.size() - 1;
    if (split.workers <= 1 || chunks <= 1) {
        for (Long i = 1; i <= count; ++i) {
            pieces.maybeHandOn();
            format(w, d, i);
        }
        return;
    }
    pieces.handOn();
    // The chunks' buffers come from the calling thread and are used again, so that no memory of
    // the file stays behind in heaps of the workers' own.
    const std::size_t window = std::size_t{split.workers} + 1;
    std::vector<std::string> made(window);
    for (std::string& buffer : made)
        buffer.reserve(split.chunkBytes + split.chunkBytes / 4);
    basic::inOrder(
        chunks, split.workers, window,
        [&](std::size_t k) {
            LineWriter chunk(std::move(made[k % window]));
            for (Long i = starts[k]; i < starts[k + 1]; ++i)
                format(chunk, d, i);
            made[k % window] = std::move(chunk).take();
        },
        [&](std::size_t k) { out(made[k % window]); });
}

// M3, and the AREA list (T11) and area records (T16) made from the same quest texts.
struct QuestLists {
    std::string areaList;
    std::string areaRecords;
};

QuestLists writeQuestTexts(LineWriter& w, const ProjectData& d) {
    QuestLists lists{std::string(), d.areaRecordList};
    if (d.questCount > 1) lists.areaRecords.clear();
    for (Long k = 2; k <= d.questCount; ++k) {
        const std::string t = escaped(d.questTexts[static_cast<std::size_t>(k - 2)]);
        const bool area = t.find("AREA") != std::string::npos;
        std::string& list = area ? lists.areaList : lists.areaRecords;
        basic::appendDec(list, k);
        list += '#';
        list.append(area ? std::string_view(t) : std::string_view(t).substr(0, t.find("</way")));
        list += "\r\n";
        w.text(t);
    }
    return lists;
}

void writeTrailer(LineWriter& w, const ProjectData& d, char quote, Pieces& pieces) {
    w.text(d.quotList);
    w.text(d.questList);
    w.text(d.chainList);
    w.text(" ");
    w.text(d.noNameList);
    w.number(d.questCount, kNoBlank);
    w.number(d.quotCount, kNoBlank);
    w.number(d.chainCount, kNoBlank);
    w.text(" " + d.onewayArrowList);
    w.text(d.streetNameList);
    for (Long k = 2; k <= d.chainCount; ++k)
        w.text(escaped(d.chainTexts[static_cast<std::size_t>(k - 2)]));
    for (Long k = 2; k <= d.quotCount; ++k)
        w.text(withoutAll(escaped(d.quotTexts[static_cast<std::size_t>(k - 2)]),
                          {"</node>", ">", "<", "tag", "/"}));
    const QuestLists quest = writeQuestTexts(w, d);
    pieces.longText(quest.areaList);
    pieces.longText(d.fixmeList);
    pieces.longText(d.amenityList);
    pieces.longText(d.trailerText);
    const std::string_view q(&quote, 1);
    pieces.longText(d.otherNodesList, "kv=<tag/>" + std::string(q), {"k=", "v=", q, "<tag", "/>"});
    pieces.longText(quest.areaRecords);
    w.text("");
    pieces.longText(d.unclosedAreaList, "</way>", {"</way>", "/>"});
    w.text("");
    w.number(d.fixmeCount, kNoBlank);
    pieces.longText(d.noteList);
    w.number(d.noteCount, kNoBlank);
    pieces.longText(d.placeList);
    for (Long caption : d.countCaptions)
        w.plain(caption);
}

} // namespace

void writeProjectFile(const ProjectData& d, char quote, const Out& out, const RecordSplit& split) {
    checkCounts(d);
    LineWriter w(kPieceBytes + kPieceBytes / 4);
    Pieces pieces(w, out);
    writeHeader(w, d);
    writeSection(w, d, pieces, out, d.nodeCount, nodeBytes, writeNode, split);
    writeSection(w, d, pieces, out, d.wayCount, wayBytes, writeWay, split);
    writeSection(w, d, pieces, out, d.lab2Count, labelBytes, writeLabel, split);
    writeTrailer(w, d, quote, pieces);
    pieces.handOn();
}

std::string projectFileBytes(const ProjectData& d, char quote, const RecordSplit& split) {
    std::string bytes;
    writeProjectFile(d, quote, [&](std::string_view piece) { bytes.append(piece); }, split);
    return bytes;
}

std::optional<std::string> saveProjectFile(const std::string& path, const ProjectData& data, char quote,
                                           const WhileFlushed& whileFlushed) {
    const std::string failed = "Can't write '" + path + "'";
    std::optional<basic::WholeFileWriter> file;
    try {
        file.emplace(path);
        writeProjectFile(data, quote, [&](std::string_view piece) { file->append(piece); });
        if (!whileFlushed) {
            file->commit();
            return std::nullopt;
        }
    } catch (const basic::RuntimeFault&) {
        return failed;
    }
    const std::string written = file->temporaryPath();
    // Should whileFlushed throw, the future's end still waits for the flush.
    std::future<void> flushed = std::async(std::launch::async, [&file] { file->flush(); });
    whileFlushed(written);
    try {
        flushed.get();
        file->commit();
    } catch (const basic::RuntimeFault&) {
        return failed;
    }
    return std::nullopt;
}

std::string mergeAreaLists(std::string areaList, std::string_view residentialList, std::string_view woodList,
                           std::string_view landAreaList, std::string_view unstyledAreaList,
                           std::string_view buildingList) {
    for (std::string_view list : {residentialList, woodList, landAreaList, unstyledAreaList, buildingList})
        if (list.size() > 1) areaList = mergeHashLists(2, areaList, list.substr(1));
    return areaList;
}

void markUnclosedAreas(ProjectData& data, std::string_view unclosedIndexList) {
    // "," & i & "," occurs exactly when i is written out as one of the pieces that have a ","
    // on both sides.
    const std::size_t slots = std::min({data.wayWidth.size(), data.wayColour.size(), data.wayFill.size()});
    const std::vector<std::string_view> pieces = basic::splitView(unclosedIndexList, ",");
    for (std::size_t k = 1; k + 1 < pieces.size(); ++k) {
        const std::string_view piece = pieces[k];
        if (piece.empty() || piece.size() > 10 || piece.front() == '0') continue;
        long long way = 0;
        bool digits = true;
        for (char c : piece) {
            digits = digits && c >= '0' && c <= '9';
            way = way * 10 + (c - '0');
        }
        if (!digits || way > data.wayCount || static_cast<std::size_t>(way) >= slots) continue;
        const auto i = static_cast<std::size_t>(way);
        data.wayWidth[i] = 5;
        data.wayColour[i] = 0;
        data.wayFill[i] = 0;
    }
}

} // namespace osmimport
