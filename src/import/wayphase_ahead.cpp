// The reading ahead of the way phase: what a way's own text, the node-id index and the node
// positions tell of it, read on whichever core is free before the way's turn comes. It changes
// nothing the phase shares; everything carried from way to way stays with the way's turn.

#include "basic/case.h"
#include "import/tagtext.h"
#include "import/wayphase.h"

namespace osmimport {

namespace {

constexpr std::string_view kReference = "<nd ref=";

// The buffer size a slot keeps for the next way.
constexpr std::size_t kKeptBytes = 2048;

template <typename Buffer> void trimBuffer(Buffer& buffer) {
    if (buffer.capacity() * sizeof(typename Buffer::value_type) > kKeptBytes) Buffer().swap(buffer);
}

} // namespace

void WayPhase::ReadAhead::trim() {
    trimBuffer(lower);
    trimBuffer(name);
    trimBuffer(references);
}

// The references are the pieces of the way's text between its "<nd ref=": the last one holds
// the way's tags behind its first "/", which are not looked at. Every node of the file, the last
// one too, is a valid reference.
void WayPhase::readAhead(Long i, const Sizes& sizes, ReadAhead& ahead, const basic::ChunkWork& work) const {
    const std::string_view raw = pieces_[static_cast<std::size_t>(i)];
    const char q = settings_.quote;
    if (settings_.hasAuthorship) {
        ahead.user = getval(raw, "user", q);
        ahead.date = wayDate(getval(raw, "timestamp", q));
    }
    ahead.searchedAhead = false;
    ahead.references.clear();
    std::size_t at = raw.find(kReference);
    ahead.hasReferences = at != std::string_view::npos;
    if (!ahead.hasReferences) return;
    basic::lcaseInto(raw, ahead.lower);
    const WayText text{i, raw, ahead.lower};
    rules_.scan(text, ahead.found);
    rules_.choosePath(ahead.found, ahead.path);
    ahead.name = rules_.pathName(text, ahead.path);
    ahead.relationMember = members_.isMember(getval(raw, "id", q));
    // The key oneway itself: oneway:bicycle and oneway:conditional do not make a way one-way.
    ahead.oneway = raw.find(std::string("k=") + q + "oneway" + q);

    const bool lateWay = searchesFromLast(i, sizes.wayCount);
    const std::string emptyValue = std::string("v=") + q + q;
    while (at != std::string_view::npos) {
        const std::size_t from = at + kReference.size();
        at = raw.find(kReference, from);
        std::string_view piece = raw.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from);
        if (at == std::string_view::npos) {
            if (const std::size_t slash = piece.find('/'); slash != std::string_view::npos)
                piece = piece.substr(0, slash + 1);
        }
        Reference ref;
        const Long node = ids_.find(referenceId(piece, q), lateWay);
        if (node >= 1 && node <= sizes.nodeCount) {
            ref.node = node;
            ref.emptyValue = piece.find(emptyValue) != std::string_view::npos;
        }
        ahead.references.push_back(ref);
    }
    if (work.onHelper()) searchAhead(ahead, work);
}

// A closed way is most likely an area whose label the way's turn searches for; when the way has
// no line colour of its own, the box it searches in is that of its own nodes, known here.
void WayPhase::searchAhead(ReadAhead& ahead, const basic::ChunkWork& work) const {
    const std::vector<Double>& xs = data_->nodeX;
    const std::vector<Double>& ys = data_->nodeY;
    Long firstNode = 0;
    Long lastNode = 0;
    std::size_t nodes = 0;
    LabelBox box{static_cast<Single>(10 * settings_.scaleWidth), static_cast<Single>(10 * settings_.scaleHeight), 0,
                 0};
    for (const Reference& ref : ahead.references) {
        if (ref.node == 0) continue;
        if (nodes++ == 0) firstNode = ref.node;
        lastNode = ref.node;
        const auto k = static_cast<std::size_t>(ref.node);
        widenLabelBox(box, static_cast<Single>(xs[k]), static_cast<Single>(ys[k]));
    }
    if (nodes < 3 || firstNode != lastNode) return;
    // Kept from search to search on this thread.
    thread_local std::vector<PolyPoint> corners;
    corners.clear();
    for (const Reference& ref : ahead.references) {
        if (ref.node == 0) continue;
        if (corners.size() + 1 == nodes) break;
        const auto k = static_cast<std::size_t>(ref.node);
        corners.push_back({cornerOf(xs[k]), cornerOf(ys[k])});
    }
    const LabelSearch search = searchLabelPoint(corners, box, [&work] { return work.stopped(); });
    if (search.cancelled) return;
    ahead.searchedAhead = true;
    ahead.box = box;
    ahead.search = search;
}

} // namespace osmimport
