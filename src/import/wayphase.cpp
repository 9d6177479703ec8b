#include "import/wayphase.h"

#include "basic/case.h"
#include "basic/numbers.h"
#include "basic/numtext.h"
#include "basic/text.h"
#include "import/projectwriter.h"
#include "import/tagtext.h"

#include <algorithm>
#include <utility>

namespace osmimport {

namespace {

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// A number of min..max digits at `at`, which moves past it.
bool readDigits(std::string_view text, std::size_t& at, std::size_t min, std::size_t max, int& value) {
    std::size_t n = 0;
    value = 0;
    while (at < text.size() && n < max && text[at] >= '0' && text[at] <= '9') {
        value = value * 10 + (text[at] - '0');
        ++at;
        ++n;
    }
    return n >= min;
}

} // namespace

std::string wayDate(std::string_view timestamp) {
    const std::size_t t = timestamp.find_first_of("tT");
    const std::string_view date = timestamp.substr(0, t);
    std::size_t at = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    const bool parsed = readDigits(date, at, 4, 4, year) && at < date.size() && date[at++] == '-' &&
                        readDigits(date, at, 1, 2, month) && at < date.size() && date[at++] == '-' &&
                        readDigits(date, at, 1, 2, day) && at == date.size();
    if (!parsed || year < 100 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return std::string(date);
    const auto digits = [](int value, int width) {
        std::string text = std::to_string(value);
        return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size()))),
                           '0') +
               text;
    };
    return digits(day, 2) + "/" + digits(month, 2) + "/" + digits(year, 4);
}

std::string_view referenceId(std::string_view piece, char quote) {
    const std::size_t last = piece.rfind(quote);
    if (last == std::string_view::npos || last == 0) return {};
    return piece.substr(1, last - 1);
}

WayPhase::WayPhase(std::string_view osmText, const WayPhaseSettings& settings, const NodeIdIndex& ids,
                   ImportClient& client, WayPhaseSink& sink)
    : settings_(settings), ids_(ids), client_(client), sink_(sink), rules_(settings.quote),
      pieces_(splitWays(osmText)), members_(osmText) {}

namespace {

// The ways a run below this many does not start threads for; the ways of a chunk (few, as one
// way's label search may take long); the helpers beyond which the calling thread's part bounds
// the phase.
constexpr std::size_t kThreadedWays = 2048;
constexpr std::size_t kWayChunk = 32;
constexpr unsigned kWayHelpers = 7;

} // namespace

WayPhaseEnd WayPhase::run(ProjectData& data) {
    data_ = &data;
    const Long count = static_cast<Long>(pieces_.empty() ? 0 : pieces_.size() - 1);
    data.sizeWays(count);
    const Sizes sizes{data.nodeCount, count};
    // The bar moves on every step-th way, the step being 20 per megabyte of the file.
    const auto step =
        static_cast<long long>(basic::roundHalfEven(static_cast<double>(settings_.fileSizeMB) * 20));
    const basic::ChunkPlan plan =
        settings_.plan.value_or(basic::planFor(static_cast<std::size_t>(count), kWayChunk, kThreadedWays, kWayHelpers));
    std::vector<std::vector<ReadAhead>> slots(basic::chunkSlots(plan));
    const auto prepare = [&](std::size_t chunk, std::size_t first, std::size_t last, const basic::ChunkWork& work) {
        std::vector<ReadAhead>& slot = slots[chunk % slots.size()];
        slot.resize(last - first);
        for (std::size_t k = first; k < last && !work.stopped(); ++k)
            readAhead(static_cast<Long>(k + 1), sizes, slot[k - first], work);
    };
    const auto apply = [&](std::size_t chunk, std::size_t first, std::size_t last) {
        std::vector<ReadAhead>& slot = slots[chunk % slots.size()];
        for (std::size_t k = first; k < last; ++k) {
            const auto i = static_cast<Long>(k + 1);
            if (step < 1 || i % step == 0)
                client_.progress(
                    static_cast<int>(basic::roundHalfEven(static_cast<double>(i) / count * 64 + 36)));
            ReadAhead& ahead = slot[k - first];
            readWay(i, ahead);
            ahead.trim();
            if (cancelled_ || client_.cancelRequested()) return false;
        }
        return true;
    };
    const bool done = basic::runOrderedChunks(static_cast<std::size_t>(count), plan, prepare, apply,
                                              [this] { return client_.cancelRequested(); });
    ahead_ = nullptr;
    return done ? WayPhaseEnd::Done : WayPhaseEnd::Cancelled;
}

void WayPhase::readWay(Long i, ReadAhead& ahead) {
    ProjectData& data = *data_;
    const auto at = static_cast<std::size_t>(i);
    ahead_ = &ahead;
    way_.index = i;
    way_.raw = pieces_[at];
    way_.nodes.clear();
    way_.allRefsFound = true;
    way_.longest = 0;
    way_.longestStart = 0;
    way_.polygon.clear();
    WayLook look;
    look.wayFillArg = look_.wayFillArg;
    look.endMark = look_.endMark;
    look_ = std::move(look);

    if (settings_.hasAuthorship) {
        data.wayUser[at] = ahead.user;
        data.wayDate[at].swap(ahead.date);
    }
    if (ahead.hasReferences) {
        way_.lower.swap(ahead.lower);
        found_.lower.swap(ahead.found.lower);
        found_.raw.swap(ahead.found.raw);
        way_.landAreaBefore = lists_.landAreaList.size();
        way_.residentialBefore = lists_.residentialList.size();
        rules_.applyPath(WayText{i, way_.raw, way_.lower}, ahead.path, ahead.name, look_, lists_, data);
        data.wayName[at] = look_.wayName;
        way_.relationMember = ahead.relationMember;
        checkLook();
        resolveReferences(ahead.references);
        std::string& list = data.wayNodes[at];
        for (Long node : way_.nodes) {
            basic::appendDec(list, node);
            list += '#';
        }
        data.wayLineStyle[at] = look_.wayLineStyle;
        data.wayWidth[at] = look_.wayWidth;
        if (way_.nodes.size() >= 2) {
            listPlatform();
            placeOnewayArrow(ahead.oneway);
            data.wayColour[at] = look_.lineColour >= 2.0 ? look_.lineColour : look_.wayFill;
            walkNodes();
            placeFallbackMarker();
            placeStreetName();
            placeLabel();
        }
    }
    data.wayLayer[at] = look_.wayLayer;
    data.wayLineStyleColour[at] = look_.wayLineStyleColour;
}

void WayPhase::prepareProjectFile(ProjectData& data) const {
    data.areaList = mergeAreaLists(std::move(data.areaList), lists_.residentialList, lists_.woodList,
                                   lists_.landAreaList, lists_.unstyledAreaList, lists_.buildingList);
    markUnclosedAreas(data, unclosedIndexList_);
}

} // namespace osmimport
