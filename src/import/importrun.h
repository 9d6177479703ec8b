#pragma once
// The window-free phases of the import, in their order: the quote character, the names phase,
// the bounds and the scale, the node limit and the node loop. The main window runs them inside
// its set-up and end sequence, a headless run on its own; the later phases continue from the
// state this leaves (the rewritten text and the node-id index).

#include "basic/orderedchunks.h"
#include "import/bounds.h"
#include "import/importclient.h"
#include "import/nodeid.h"
#include "import/nodeloop.h"
#include "import/nodepieces.h"
#include "import/projectdata.h"

#include <optional>
#include <string>
#include <string_view>

namespace osmimport {

struct ImportSettings {
    Single progVersion = 0;  // stamped into the project file
    Single fileSizeMB = 0;   // of the loaded OSM file
    double scaleWidth = 0;   // the scale width of the map picture (8010 units)
    double scaleHeight = 0;  // and its scale height (the way phase's label box)
    Double backColour = 0;   // the map's background colour
};

enum class ImportEnd {
    Done,         // every phase ran: the project data are complete (importOsm)
    NodesRead,    // the node loop ran to its end (OsmImport::run)
    EmptyText,    // nothing to import; no message
    NoBounds,     // "Can't find 'boundaries'"
    TooManyNodes, // more than kNodeLimit nodes
    Cancelled,    // the user cancelled
};

class OsmImport {
public:
    OsmImport(std::string osmText, const ImportSettings& settings, ImportClient& client);
    OsmImport(const OsmImport&) = delete;
    OsmImport& operator=(const OsmImport&) = delete;

    // Runs the phases, once, into data, which starts afresh. A file over the node limit is
    // refused before its text is rewritten; its bounds messages still come first.
    ImportEnd run(ProjectData& data, NodeClassifier* classifier = nullptr);

    // How the node loop shares its work among the cores; unset: as this machine allows. The
    // outcome is the same either way.
    void setPlan(const std::optional<basic::ChunkPlan>& plan) { plan_ = plan; }

    // Frees the text and the node-id index once the phases that read them are
    // over; the quote character, the flags and the projection stay. Views taken from the text
    // (the way pieces) must not be used afterwards.
    void releaseText();

    char quoteChar() const noexcept { return quote_; }
    // False when the bounds came in the "<bound box" form.
    bool hasAuthorship() const noexcept { return hasAuthorship_; }
    Single latStretch() const noexcept { return projection_.latStretch; }
    Single loadRate() const noexcept { return loadRate_; }
    // The text the phases after the node loop read: from the first way or relation on. The node
    // pieces before it are given back to the system as the node loop passes them.
    std::string_view text() const noexcept { return std::string_view(text_).substr(laterFrom_); }
    const NodeIdIndex& nodeIds() const noexcept { return ids_; }

private:
    // Shows the bounds messages; false when the import stops for want of bounds.
    bool acceptBounds(const Bounds& bounds);
    // Where text() starts: the first "<way " or "<relation", the text's end when there is none.
    std::size_t laterPartStart() const;
    // The node loop has passed pieceEnd: the text before it goes back, in large steps, as far
    // as no later phase reads it.
    void passed(const char* pieceEnd);

    std::string text_;
    ImportSettings settings_;
    ImportClient& client_;
    char quote_ = '"';
    bool hasAuthorship_ = true;
    Projection projection_;
    Single loadRate_ = 0;
    std::size_t laterFrom_ = 0;
    std::size_t releasedTo_ = 0;
    std::optional<NodePieces> pieces_;
    NodeIdIndex ids_;
    std::optional<basic::ChunkPlan> plan_;
};

} // namespace osmimport
