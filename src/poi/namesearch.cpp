#include "poi/namesearch.h"

#include "basic/numtext.h"
#include "basic/text.h"
#include "basic/val.h"
#include "import/names.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/hourglass.h"
#include "poi/categories.h"
#include "poi/categorysearch.h"
#include "poi/namesearch_reload.h"
#include "poi/namesearch_text.h"
#include "poi/problemgoto.h"
#include "poi/searcharrows.h"
#include "render/snap.h"
#include "window/layout.h"
#include "window/mapwindow.h"
#include "window/resume.h"
#include "window/texthelpers.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace poi {
namespace {

using core::MapWindow;

// A node hit is listed only for a text of at least this many characters.
constexpr size_t kShortestListedText = 3;
constexpr int kEnterKey = 13;

// One run of srchpois.
class Search {
public:
    Search(MapWindow& map, std::string_view text, std::string_view codeList, int listIndex, bool placeArrows)
        : map_(map), d_(map.data), text_(text), hits_(map.search.List3[listIndex]), placeArrows_(placeArrows),
          listing_(hits_.listIndex() < 0) {
        if (!codeList.empty()) codes_ = basic::splitView(codeList, ",");
    }

    // The category listing: the name of every node of the codes, in code order.
    void listCategory() {
        if (!listing_) return;
        for (const std::string_view code : codes_)
            for (size_t n = 1; n < nodes(); ++n)
                if (hasCode(n, code)) hits_.addItem(core::fnstriptag(d_.nodeName[n]));
    }

    // Every named node, for a search with neither text nor codes.
    void listAllNames() {
        hits_.clear();
        for (size_t n = 1; n < nodes(); ++n)
            if (!d_.nodeName[n].empty()) hits_.addItem(core::fnstriptag(d_.nodeName[n]));
    }

    void nodePass() {
        if (codes_.empty()) {
            nodePass({});
        } else {
            for (const std::string_view code : codes_)
                nodePass(code);
        }
    }

    void streetPass() {
        const std::vector<std::string_view> pieces = basic::splitView(d_.streetNameList, "#");
        // The piece after the last "#" is no entry.
        for (size_t k = 0; k + 1 < pieces.size(); ++k) {
            const double w = basic::roundHalfEven(basic::val(pieces[k]));
            if (!(w >= 0 && w < static_cast<double>(d_.wayName.size()) &&
                  w <= static_cast<double>(d_.wayCount)))
                continue;
            const std::string& name = d_.wayName[static_cast<size_t>(w)];
            lowerInto(lower_, name);
            const bool found = codes_.empty() ? streetNameMatches(lower_, text_) : lower_ == text_;
            if (!found) continue;
            if (placeArrows_) {
                const long long n = static_cast<long long>(d_.wayNameNode[static_cast<size_t>(w)]);
                if (n >= 1 && static_cast<size_t>(n) < nodes()) nodeArrow(static_cast<size_t>(n), name);
            }
            if (codes_.empty() && listing_) hits_.addItem(name);
        }
    }

    // Area labels whose caption equals the text; their arrows follow "$" in pointrList. A file
    // with a single label has its label searched too.
    void labelPass() {
        if (d_.lab2Count < 1) return;
        d_.pointrList += '$';
        for (size_t k = 0; k < d_.labels.size(); ++k) {
            const osmimport::LabelRecord& label = d_.labels[k];
            lowerInto(lower_, label.caption);
            if (lower_ != text_) continue;
            if (placeArrows_ && arrowAt(label.x, label.y, label.caption)) listArrow(k + 1, '$');
            if (!text_.empty() && listing_ && codes_.empty()) hits_.addItem(label.caption);
        }
    }

    // The redraw that shows the hits: a new search at the zoom it started with, a repeated one
    // with its last arrow at the picture point (4200, 3300) at zoom 6.
    void show(float savedZoom) {
        core::Global& g = map_.global;
        if (!listing_ && lastArrow_) {
            bringArrowToTarget(map_, *lastArrow_);
            render::redrawBehindSnap(map_);
            return;
        }
        g.viewZoom = savedZoom;
        if (listing_ && d_.pointrCount > 0) render::redrawBehindSnap(map_);
    }

private:
    size_t nodes() const {
        const size_t records = static_cast<size_t>(std::max<basic::Long>(d_.nodeCount, 0)) + 1;
        return std::min({records, d_.nodeName.size(), d_.nodeInfo.size(), d_.nodeX.size(), d_.nodeY.size()});
    }

    bool hasCode(size_t n, std::string_view code) const {
        return std::string_view(d_.nodeInfo[n]).substr(0, 3) == code;
    }

    // The nodes of one code (every node for no code) whose abbreviated name holds the text.
    void nodePass(std::string_view code) {
        const bool listed = codes_.empty() && listing_ && text_.size() >= kShortestListedText;
        for (size_t n = 1; n < nodes(); ++n) {
            std::string& name = d_.nodeName[n];
            if (name.empty() || (!code.empty() && !hasCode(n, code))) continue;
            lowerInto(lower_, name);
            if (!nodeNameMayMatch(lower_, text_)) continue;
            const size_t before = name.size();
            name = osmimport::fnnam2(std::move(name));
            // Every street word it shortens makes the name shorter.
            if (name.size() != before) lowerInto(lower_, name);
            if (lower_.find(text_) == std::string::npos) continue;
            if (placeArrows_) nodeArrow(n, {});
            if (listed) hits_.addItem(core::fnstriptag(name));
        }
    }

    void nodeArrow(size_t n, std::string_view tag) {
        if (arrowAt(d_.nodeX[n], d_.nodeY[n], tag)) listArrow(n, '#');
    }

    // A node index followed by "#", or a label number followed by "$".
    void listArrow(size_t index, char mark) {
        basic::appendDec(d_.pointrList, static_cast<basic::Long>(index));
        d_.pointrList += mark;
    }

    bool arrowAt(double x, double y, std::string_view tag) {
        if (!placeArrow(map_, x, y, tag)) return false;
        lastArrow_ = arrowPoint(map_, x, y);
        return true;
    }

    MapWindow& map_;
    core::MapData& d_;
    std::string_view text_;
    platform::ListBox& hits_;
    bool placeArrows_;
    bool listing_;
    std::vector<std::string_view> codes_;
    std::string lower_; // the lower case of the name at hand, its storage reused
    std::optional<ArrowPoint> lastArrow_;
};

} // namespace

void srchpois(MapWindow& map, std::string_view searchText, std::string_view codeList, int listIndex,
              bool placeArrows) {
    core::MapData& d = map.data;
    core::Global& g = map.global;
    if (mapBusy(map) || g.parsedPath.empty()) return;
    if (listIndex == core::kNameSearch && searchText.empty()) {
        platform::dialogs().msgBox("no");
        platform::hourglassOff();
        return;
    }
    platform::hourglassOn();
    // Held while the file is read and the names searched, so that no click during the one yield
    // below starts a drawing that reloads the arrays under the search.
    d.drawBusy = true;
    auto end = [&] {
        map.view.p2.setVisible(false);
        d.drawBusy = false;
        platform::hourglassOff();
    };
    bool reloaded = false;
    core::resumeNextWithMessage([&] { reloaded = reloadForSearch(map); }); // memory that ran out
    if (!reloaded) {
        end();
        return;
    }
    platform::doEvents();
    Command3_Click(map);

    const float savedZoom = g.viewZoom;
    g.viewZoom = kSearchZoom;
    Search search(map, searchText, codeList, listIndex, placeArrows);
    if (searchText.empty() && !codeList.empty()) {
        core::resumeNextWithMessage([&] { search.listCategory(); });
        platform::hourglassOff();
    }
    if (searchText.empty() && codeList.empty()) {
        core::resumeNextWithMessage([&] { search.listAllNames(); });
        g.viewZoom = savedZoom;
        end();
        return;
    }
    core::resumeNextWithMessage([&] { search.nodePass(); });
    if (listIndex == core::kNameSearch) core::resumeNextWithMessage([&] { search.streetPass(); });
    core::resumeNextWithMessage([&] { search.labelPass(); });
    end();
    search.show(savedZoom);
}

void gosearch(MapWindow& map, bool placeArrows) {
    if (mapBusy(map)) return;
    core::SearchPanels& panel = map.search;
    const std::string text = searchKey(panel.Text3[core::kNameSearch].text());
    platform::ListBox& hits = panel.List3[core::kNameSearch];
    if (hits.listIndex() < 0) hits.clear();
    srchpois(map, text, {}, core::kNameSearch, placeArrows);
}

void Command1_Click(MapWindow& map) {
    map.search.List3[core::kNameSearch].setListIndex(-1);
    gosearch(map, false);
}

void Text3_KeyPress(MapWindow& map, int keyAscii) {
    if (keyAscii == kEnterKey) Command1_Click(map);
}

void List3_DblClick(MapWindow& map, int index) {
    core::SearchPanels& panel = map.search;
    panel.Text3[index].setText(panel.List3[index].text());
    if (index == core::kNameSearch) {
        platform::hourglassOn();
        gosearch(map, true);
    } else {
        map.data.pointrList.assign(1, '#'); // the empty list
        selectcombo(map);
    }
}

void Image9_Click(MapWindow& map) {
    if (map.data.mapLoading) return;
    map.search.List3[core::kNameSearch].clear();
    core::bringToFrontAndShow(map.search.Frame10);
}

} // namespace poi
