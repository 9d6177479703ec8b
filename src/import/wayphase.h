#pragma once
// The way phase of the import ("parsing highways..."): the way elements of the text, one piece
// per way in file order, and for each way its author and date, its classification, the checks that
// refine its look and report its problems, its node references resolved into node indices,
// its street-name position and its label point. The way pieces and the platform positions stay
// reachable for the final statistics; the area lists and the unclosed areas go into the data
// just before the project file is written.

#include "basic/orderedchunks.h"
#include "import/importclient.h"
#include "import/labelpoint.h"
#include "import/nodeid.h"
#include "import/polygon.h"
#include "import/projectdata.h"
#include "import/wayclass.h"
#include "import/waylook.h"
#include "import/wayphase_markers.h"
#include "import/wayphase_members.h"
#include "import/waysplit.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace osmimport {

struct WayPhaseSettings {
    char quote = '"';
    bool hasAuthorship = true; // false: the ways carry no author or date
    Single fileSizeMB = 0;     // sets the progress step
    double scaleWidth = 0;     // of the map picture: a lined way resets the label box to 10 times these
    double scaleHeight = 0;
    Double backColour = 0; // the map's background: closed untagged relation members are filled with it
    // How the ways are shared among the cores; unset: as this machine allows. The outcome is the
    // same either way.
    std::optional<basic::ChunkPlan> plan;
};

enum class WayPhaseEnd {
    Done,      // every way read
    Cancelled, // the user cancelled: the import is abandoned and writes nothing
};

// The "dd/mm/yyyy" form of an OSM time stamp: the part before its first "t" or "T" when it is a
// date written yyyy-mm-dd; any other text comes back unchanged.
std::string wayDate(std::string_view timestamp);

// The id a reference piece names: the piece up to its last quote, without its first character
// (the opening quote). A piece without a quote names nothing.
std::string_view referenceId(std::string_view piece, char quote);

class WayPhase {
public:
    // osmText is the whole text; it must outlive the phase, and so must ids.
    WayPhase(std::string_view osmText, const WayPhaseSettings& settings, const NodeIdIndex& ids,
             ImportClient& client, WayPhaseSink& sink);
    WayPhase(const WayPhase&) = delete;
    WayPhase& operator=(const WayPhase&) = delete;

    // Reads the ways into data, whose way arrays it creates; the node arrays, the node-id index
    // and the node phase's lists and counts are there already. Progress goes to the client on
    // every step-th way, and the client is asked once per way whether the user has cancelled.
    // What a way's own text and the node positions decide is read on whichever core is free; the
    // ways are taken into data in their order on the calling thread, which alone asks the client.
    WayPhaseEnd run(ProjectData& data);

    // Way i's text as read, for i 1..wayCount (element 0 is the text before the first way); the
    // last way is cut clear of what follows it.
    std::span<const std::string_view> wayPieces() const noexcept { return pieces_; }
    // dec(lon) & "," & dec(lat) & "#" of the first node of every railway platform way.
    std::string_view platformPosList() const noexcept { return platformPosList_; }
    // ",3,17,": the areas found not closed.
    std::string_view unclosedIndexList() const noexcept { return unclosedIndexList_; }
    const WayLists& lists() const noexcept { return lists_; }

    // The area list the project file stores (the label step's entries and the classification's
    // area lists merged in) and the unclosed areas drawn as such; after the final statistics.
    void prepareProjectFile(ProjectData& data) const;

private:
    // The way in hand.
    struct Way {
        Long index = 0;
        std::string_view raw; // the way's piece
        std::string lower;    // the piece in lower case; a label call rewrites it (the saved way text)
        bool relationMember = false;
        Long refCount = 0;       // "<nd ref=" references
        std::vector<Long> nodes; // the resolved ones
        bool allRefsFound = true;
        Single longest = 0; // the longest segment, a whole number
        std::size_t longestStart = 0;
        std::vector<PolyPoint> polygon;
        // Where the land-area and residential lists ended before the way: only its own index can
        // follow, so whether it is listed is seen in what came after.
        std::size_t landAreaBefore = 0;
        std::size_t residentialBefore = 0;
    };

    // One reference of a way, resolved.
    struct Reference {
        Long node = 0;           // 0 when the file has no such node
        bool emptyValue = false; // its piece holds an empty tag value
    };
    // What a way's own text and the node positions tell of it, read ahead of its turn.
    struct ReadAhead {
        std::string_view user; // the author and the date, when the file has them
        std::string date;
        bool hasReferences = false;
        std::size_t oneway = std::string_view::npos; // where the oneway key stands
        std::string lower; // the piece in lower case, when it has references
        WayClassifierRules::Found found;
        WayClassifierRules::Path path; // the classification's steps
        std::string name;              // the name they give the way
        std::vector<Reference> references;
        bool relationMember = false;
        // A label search done ahead for a closed way, in the box the way sets itself when it has
        // no line colour of its own; used only where its turn comes with that very box.
        bool searchedAhead = false;
        LabelBox box;
        LabelSearch search;

        // Taken: the buffers a long way left behind go back, so that the slots hold no more
        // than what the ways in flight need.
        void trim();
    };
    // The counts the reading ahead needs, fixed before it starts.
    struct Sizes {
        Long nodeCount = 0;
        Long wayCount = 0;
    };

    void readAhead(Long i, const Sizes& sizes, ReadAhead& ahead, const basic::ChunkWork& work) const;
    void searchAhead(ReadAhead& ahead, const basic::ChunkWork& work) const;
    void readWay(Long i, ReadAhead& ahead);
    // The checks before the references, up to the bounding-box reset.
    void checkLook();
    void checkBridge();
    // The reference loop: way_.nodes, node use, the box, the empty-tag and bridge markers.
    void resolveReferences(std::span<const Reference> refs);
    // The checks after the references, for a way of at least two nodes.
    void listPlatform();
    void placeOnewayArrow(std::size_t onewayAt);
    void walkNodes();
    void checkMiddleNode(std::size_t k);
    void placeFallbackMarker();
    std::string tagText() const;
    // The label glue.
    void placeStreetName();
    void placeLabel();
    // Whether the area is reported not closed (chain marker, list entries).
    bool reportUnclosedArea();

    Double nodeX(std::size_t k) const { return data_->nodeX[static_cast<std::size_t>(way_.nodes[k])]; }
    Double nodeY(std::size_t k) const { return data_->nodeY[static_cast<std::size_t>(way_.nodes[k])]; }
    bool closed() const { return way_.nodes.front() == way_.nodes.back(); }

    WayPhaseSettings settings_;
    const NodeIdIndex& ids_;
    ImportClient& client_;
    WayPhaseSink& sink_;
    WayClassifierRules rules_;
    WayClassifierRules::Found found_; // the scans of the way in hand, for the look checks
    std::vector<std::string_view> pieces_;
    RelationMembers members_;

    ProjectData* data_ = nullptr;
    Way way_;
    WayLook look_; // the fill argument and the end mark carry over from way to way
    WayLists lists_;
    LabelBox box_; // kept from way to way: only ways without a line colour reset it
    std::string unclosedIndexList_ = ",";
    std::string platformPosList_;
    bool cancelled_ = false; // seen inside a way, by the label search
    const ReadAhead* ahead_ = nullptr; // of the way in hand
};

} // namespace osmimport
