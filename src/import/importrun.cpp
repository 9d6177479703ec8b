#include "import/importrun.h"

#include "basic/findall.h"
#include "basic/pages.h"
#include "import/names.h"

#include <algorithm>
#include <utility>

namespace osmimport {

OsmImport::OsmImport(std::string osmText, const ImportSettings& settings, ImportClient& client)
    : text_(std::move(osmText)), settings_(settings), client_(client) {}

namespace {

// The node loop gives back the text it has passed in steps of this many bytes.
constexpr std::size_t kReleaseStep = std::size_t{1} << 20;

} // namespace

void OsmImport::releaseText() {
    pieces_.reset();
    ids_.clear();
    std::string().swap(text_);
    laterFrom_ = 0;
    releasedTo_ = 0;
}

std::size_t OsmImport::laterPartStart() const {
    // Both searches read the nodes, most of the text: on every core.
    const std::string_view text = text_;
    const std::size_t way = std::min(basic::findFirst(text, "<way "), text.size());
    return std::min(way, basic::findFirst(text.substr(0, way), "<relation"));
}

void OsmImport::passed(const char* pieceEnd) {
    const std::size_t to = std::min(static_cast<std::size_t>(pieceEnd - text_.data()), laterFrom_);
    if (to < releasedTo_ + kReleaseStep) return;
    basic::releasePages(text_.data() + releasedTo_, text_.data() + to);
    releasedTo_ = to;
}

bool OsmImport::acceptBounds(const Bounds& bounds) {
    if (bounds.form == BoundsForm::None) {
        client_.message(kNoBoundsMessage);
        return false;
    }
    if (bounds.form == BoundsForm::BoundBox) client_.message(kNoAuthorshipMessage);
    return true;
}

ImportEnd OsmImport::run(ProjectData& data, NodeClassifier* classifier) {
    data = ProjectData{};
    data.fileVersion = settings_.progVersion;
    data.fileSizeMB = settings_.fileSizeMB;
    if (text_.empty()) return ImportEnd::EmptyText;
    quote_ = detectQuote(text_);

    if (countNodes(text_) > kNodeLimit) {
        const std::string_view header = std::string_view(text_).substr(0, text_.find("<node"));
        if (!acceptBounds(readBounds(header, quote_, settings_.scaleWidth))) return ImportEnd::NoBounds;
        client_.message(kNodeLimitMessage);
        return ImportEnd::TooManyNodes;
    }

    client_.phase("parsing names...");
    text_ = normaliseNames(std::move(text_), quote_);
    client_.progress(15);

    client_.phase("parsing nodes...");
    pieces_.emplace(text_);
    const Bounds bounds = readBounds(pieces_->header(), quote_, settings_.scaleWidth);
    if (!acceptBounds(bounds)) return ImportEnd::NoBounds;
    hasAuthorship_ = bounds.form != BoundsForm::BoundBox;
    data.mapLat0 = bounds.mapLat0;
    data.mapLon0 = bounds.mapLon0;
    if (bounds.mapScale) data.mapScale = *bounds.mapScale;
    projection_ = {data.mapLon0, data.mapLat0, data.mapScale, osmimport::latStretch(data.mapLat0)};

    const Long nodes = pieces_->count();
    loadRate_ = osmimport::loadRate(nodes);
    if (nodes > kNodeLimit) {
        client_.message(kNodeLimitMessage);
        return ImportEnd::TooManyNodes;
    }
    client_.nodeLoopStarts(nodes, loadRate_);
    laterFrom_ = laterPartStart();
    releasedTo_ = 0;
    if (!readNodes(*pieces_, quote_, projection_, data, ids_, client_, classifier,
                   [this](const char* pieceEnd) { passed(pieceEnd); }, plan_))
        return ImportEnd::Cancelled;
    // No later phase reads the node pieces: their table goes before the way phase grows the model.
    pieces_.reset();
    return ImportEnd::NodesRead;
}

} // namespace osmimport
