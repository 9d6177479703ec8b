#include "poi/orange.h"

#include "basic/numtext.h"
#include "basic/text.h"
#include "basic/val.h"
#include "poi/categories.h"
#include "window/mapwindow.h"
#include "window/resume.h"

#include <cmath>
#include <string>

namespace poi {
namespace {

using core::ImageArray;
using core::MapData;
using core::Markers;

constexpr int kNoFlag = -1;

// An array of icons whose unnamed ones are listed, the list (a category) it feeds, and the
// category whose flag shows or hides its icons (kNoFlag: left as the placement made them).
struct IconList {
    ImageArray Markers::*icons;
    basic::Integer MapData::*counter;
    int list;
    int visibleFrom;
};

// In the order the lists are built; addresses start at element 1, the others at 2.
constexpr IconList kIconLists[] = {
    {&Markers::pb, &MapData::pbCount, 1, kNoFlag},
    {&Markers::atm, &MapData::atmCount, 10, kNoFlag},
    {&Markers::chrch, &MapData::chrchCount, 0, kNoFlag},
    {&Markers::petrol, &MapData::petrolCount, 12, kNoFlag},
    {&Markers::stat, &MapData::statCount, kStationCategory, kStationCategory},
    {&Markers::hotel, &MapData::hotelCount, 15, kNoFlag},
    {&Markers::hospit, &MapData::hospitCount, 13, kNoFlag},
    {&Markers::school, &MapData::schoolCount, 6, kNoFlag},
    {&Markers::touri, &MapData::touriCount, 17, 17},
    {&Markers::shopp, &MapData::shoppCount, 9, 9},
    {&Markers::shop, nullptr, 8, 8}, // counted by the project data's shopCount
    {&Markers::hist, &MapData::histCount, 16, 16},
    {&Markers::resta, &MapData::restaCount, kRestaurantCategory, kNoFlag},
    {&Markers::pharm, &MapData::pharmCount, 14, 14},
    {&Markers::coffe, &MapData::coffeCount, kCafeCategory, kCafeCategory},
    {&Markers::bank, &MapData::bankCount, 11, 11},
    {&Markers::addr, &MapData::addrCount, kAddressCategory, kNoFlag},
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

NoNameLists& catNoNameList(core::MapWindow& map) {
    return map.data.catNoNameList;
}

void resety_n(core::MapWindow& map, double m) {
    MapData& d = map.data;
    const char digit = basic::dec(std::fabs(m)).front();
    core::resumeNext([&] { d.noNameFlags = basic::string(d.nonnCount, digit); });
    core::resumeNext([&] { d.amenFlags = basic::string(d.amenFlagLen, digit); });
}

void changeorang(core::MapWindow& map, int c) {
    if (c < 0 || c >= kNoNameLists) return;
    const std::string& list = catNoNameList(map)[static_cast<size_t>(c)];
    if (list == "#") return;
    const char digit = map.data.catShown[static_cast<size_t>(c)] != basic::vbFalse ? '1' : '0';
    std::string& flags = map.data.noNameFlags;
    const std::vector<std::string_view> items = basic::splitView(list, "#");
    // The items between the leading and the trailing "#".
    for (size_t i = 1; i + 1 < items.size(); ++i) {
        const double p = basic::roundHalfEven(basic::val(items[i]));
        if (p >= 1 && p <= static_cast<double>(flags.size())) flags[static_cast<size_t>(p) - 1] = digit;
    }
}

std::string markerPosition(std::string_view tag) {
    const size_t dollar = tag.find('$');
    if (dollar == std::string_view::npos) return {};
    const std::string_view t = tag.substr(0, dollar);
    double leading = 0;
    try {
        leading = basic::val(t);
    } catch (const basic::RuntimeFault& fault) {
        platform::dialogs().msgBox(fault.description());
        return {};
    }
    if (leading != 0) return std::string(t) + "#";
    // A name that ends in its position ("Name12$..."): the digits that close it.
    size_t start = t.size();
    while (start > 0 && isDigit(t[start - 1]))
        --start;
    const std::string_view run = t.substr(start);
    if (basic::val(run) > 0) return std::string(run) + "#";
    return {};
}

void setorange(core::MapWindow& map) {
    NoNameLists& lists = catNoNameList(map);
    for (int i = 0; i <= kStationCategory; ++i)
        lists[static_cast<size_t>(i)].assign(1, '#'); // the empty list
    MapData& d = map.data;
    for (const IconList& row : kIconLists) {
        ImageArray& icons = map.markers.*row.icons;
        const basic::Long last = row.counter ? d.*row.counter : d.shopCount;
        const int first = row.icons == &Markers::addr ? 1 : 2;
        std::string& list = lists[static_cast<size_t>(row.list)];
        for (basic::Long k = first; k <= last && k <= icons.ubound(); ++k) {
            if (!icons.exists(static_cast<int>(k))) continue;
            platform::ImageControl& icon = icons[static_cast<int>(k)];
            if (row.visibleFrom != kNoFlag)
                icon.setVisible(d.catShown[static_cast<size_t>(row.visibleFrom)] != basic::vbFalse);
            list += markerPosition(icon.tag());
        }
    }
}

} // namespace poi
