#include "render/poimarkers.h"

#include "basic/colour.h"
#include "basic/fault.h"
#include "basic/numbers.h"
#include "basic/val.h"
#include "import/tagtext.h"
#include "render/drawerrors.h"
#include "render/drawwindows.h"
#include "render/iconpaint.h"
#include "window/mapwindow.h"

#include <string>
#include <variant>

namespace render {
namespace {

using basic::Integer;
using basic::Long;
using basic::Single;
using core::ImageArray;
using core::MapData;
using core::Markers;

// The character a node's description carries for a named bus stop and for a place of worship
// whose religion or denomination is tagged.
constexpr char kDescribedMark = '\x1e';
constexpr int kAlways = -1;
constexpr int kWorshipCategory = 0;
constexpr int kBusCategory = 5;
constexpr float kPylonZoom = 2;

// Pictures of the icon store `im` the rules below switch to.
constexpr int kNamedBusStop = 71;
constexpr int kDescribedWorship = 72;

enum class TagRule { Tip, None, Recycling };
enum class Rule { Plain, Worship, Bus, Amenity };

// One row of the second group: the marker kind of a code. `array` is null for the bus stops,
// whose markers are picture boxes.
struct Row {
    std::string_view code;
    ImageArray Markers::*array;
    std::variant<Integer MapData::*, Long MapData::*> counter;
    int category; // the catShown flag that admits it, or kAlways
    bool visible;
    TagRule tag;
    int style;
    Rule rule;
};

// First match wins; codes with no row place nothing.
constexpr Row kRows[] = {
    {"CHU", &Markers::chrch, &MapData::chrchCount, 0, true, TagRule::Tip, 28, Rule::Worship},
    {"CHM", &Markers::chrch, &MapData::chrchCount, 0, true, TagRule::Tip, 28, Rule::Worship},
    {"CHJ", &Markers::chrch, &MapData::chrchCount, 0, true, TagRule::Tip, 28, Rule::Worship},
    {"CHH", &Markers::chrch, &MapData::chrchCount, 0, true, TagRule::Tip, 28, Rule::Worship},
    {"CHS", &Markers::chrch, &MapData::chrchCount, 0, true, TagRule::Tip, 28, Rule::Worship},
    {"ADR", &Markers::addr, &MapData::addrCount, 21, true, TagRule::Tip, 103, Rule::Plain},
    {"PUB", &Markers::pb, &MapData::pbCount, 1, true, TagRule::Tip, 102, Rule::Plain},
    {"STA", &Markers::stat, &MapData::statCount, kAlways, false, TagRule::Tip, 121, Rule::Plain},
    {"BUS", nullptr, &MapData::busCount, kBusCategory, true, TagRule::Tip, 101, Rule::Bus},
    {"POS", &Markers::pbox, &MapData::pboxCount, 3, false, TagRule::None, 99, Rule::Plain},
    {"CAF", &Markers::coffe, &MapData::coffeCount, 19, true, TagRule::Tip, 113, Rule::Plain},
    {"FUE", &Markers::petrol, &MapData::petrolCount, 12, true, TagRule::Tip, 104, Rule::Plain},
    {"ATM", &Markers::atm, &MapData::atmCount, 10, true, TagRule::Tip, 108, Rule::Plain},
    {"FIR", &Markers::fire, &MapData::fireCount, kAlways, true, TagRule::Tip, 99, Rule::Plain},
    {"HIS", &Markers::hist, &MapData::histCount, 16, true, TagRule::Tip, 99, Rule::Plain},
    {"HOS", &Markers::hospit, &MapData::hospitCount, 13, true, TagRule::Tip, 99, Rule::Plain},
    {"HOT", &Markers::hotel, &MapData::hotelCount, 15, true, TagRule::Tip, 99, Rule::Plain},
    {"PHA", &Markers::pharm, &MapData::pharmCount, 14, true, TagRule::Tip, 99, Rule::Plain},
    {"PAR", &Markers::park, &MapData::parkCount, 4, true, TagRule::Tip, 99, Rule::Plain},
    {"REC", &Markers::recyc, &MapData::recycCount, 18, false, TagRule::Recycling, 102, Rule::Plain},
    {"RES", &Markers::resta, &MapData::restaCount, 20, true, TagRule::Tip, 112, Rule::Plain},
    {"SCH", &Markers::school, &MapData::schoolCount, 6, true, TagRule::Tip, 99, Rule::Plain},
    {"TOU", &Markers::touri, &MapData::touriCount, 17, true, TagRule::Tip, 99, Rule::Plain},
    {"MOB", &Markers::phone, &MapData::phoneCount, 2, false, TagRule::None, 105, Rule::Plain},
    {"TOI", &Markers::toilet, &MapData::toiletCount, 7, false, TagRule::Tip, 107, Rule::Plain},
    {"SHO", &Markers::shopp, &MapData::shoppCount, 9, true, TagRule::Tip, 99, Rule::Plain},
    {"SUP", &Markers::shop, &osmimport::ProjectData::shopCount, 8, true, TagRule::Tip, 6, Rule::Plain},
    {"BAN", &Markers::bank, &MapData::bankCount, 11, true, TagRule::Tip, 109, Rule::Plain},
    {"AME", &Markers::amen, &MapData::amenCount, kAlways, false, TagRule::Tip, 98, Rule::Amenity},
    {"X", &Markers::amen, &MapData::amenCount, kAlways, false, TagRule::Tip, 98, Rule::Amenity},
};

// The religion pictures that replace the worship template, by code.
struct Religion {
    std::string_view code;
    int picture;
    int style;
};
constexpr Religion kReligions[] = {{"CHM", 37, 37}, {"CHJ", 38, 38}, {"CHH", 39, 39}, {"CHS", 73, 99}};

bool contains(std::string_view text, std::string_view needle) {
    return text.find(needle) != std::string_view::npos;
}

// The picture of the icon store `im` at `n`, or null when the store has none there.
const QImage* storePicture(const core::MapWindow& map, double n) {
    const auto& im = map.legendPanel.im;
    if (!(n >= 0 && n <= kHighestMarker)) return nullptr;
    const int index = static_cast<int>(n);
    if (!im.exists(index) || im[index].picture().isNull()) return nullptr;
    return &im[index].picture();
}

// The icon number of an "X" code: its text from the second character on, as a whole number; a
// number beyond every range reads as -1, which no picture has.
double iconNumber(std::string_view iconText) {
    try {
        return basic::roundHalfEven(basic::val(iconText.substr(1)));
    } catch (const basic::RuntimeFault&) {
        return -1;
    }
}

// One placement under way: the window, the error path and the node's screen point.
struct Placement {
    core::MapWindow& map;
    DrawErrors& errors;
    Single sx;
    Single sy;

    // Raises `counter` and loads that element, moved with its top-left corner at (sx, sy) after
    // they were shifted by half the template's size. Null, and nothing changed, when the kind is
    // at the highest element an array holds; null after a fault of the load.
    template <class T, class Counter> T* loadCentred(platform::ControlArray<T>& array, Counter& counter) {
        if (counter >= kHighestMarker) return nullptr;
        errors.run([&] {
            sx = static_cast<Single>(sx - array[0].width() / 2);
            sy = static_cast<Single>(sy - array[0].height() / 2);
        });
        ++counter;
        T* element = nullptr;
        errors.run([&] { element = &array.load(counter); });
        if (element) errors.run([&] { element->move(sx, sy); });
        return element;
    }

    void paint(const QImage& picture, int style, double left, double top) {
        ploticon(map, picture, style, left, top, errors);
    }

    void motorwayLabel(double x, double y, std::string_view name);
    void taggedNode(std::string_view name, std::string& tip);
    void hiddenMarker(ImageArray& array, Integer& counter, int style, bool painted);
    void poiMarker(const Row& row, std::string_view iconText, std::string_view name, std::string& tip);
    template <class T>
    void applyRule(const Row& row, T& element, std::string_view iconText, std::string_view name,
                   const std::string& tip);
};

void Placement::motorwayLabel(double x, double y, std::string_view name) {
    platform::PictureBox& p1 = map.view.p1;
    const core::Global& g = map.global;
    errors.run([&] {
        const platform::ImageControl& model = map.markers.shape1[0];
        p1.setCurrentX(x * g.viewZoom + g.viewOffX - 2 * model.width());
        p1.setCurrentY(y * g.viewZoom + g.viewOffY - model.height() / 2);
    });
    errors.run([&] { p1.setForeColor(basic::rgb(25, 25, 145)); });
    errors.run([&] { p1.setFontSize(12); });
    errors.run([&] { p1.print(name); });
}

// Tagged nodes without an icon: a green marker for each, up to the limit maxGreenNodes.
void Placement::taggedNode(std::string_view name, std::string& tip) {
    MapData& d = map.data;
    if (d.shape1Count > map.global.settings.maxGreenNodes || d.shape1Count >= kHighestMarker) return;
    ++d.shape1Count;
    ImageArray& shape1 = map.markers.shape1;
    platform::ImageControl* element = nullptr;
    errors.run([&] { element = &shape1.load(d.shape1Count); });
    if (element) {
        errors.run([&] {
            element->move(sx - shape1[0].width() / 2, sy - shape1[0].height() / 2);
            element->setVisible(true);
        });
        paint(element->picture(), kPlainStyle, element->left(), element->top());
    }
    if (tip.empty()) tip = osmimport::textAfterFirstTag(name);
    if (element) element->setTag(tip);
}

// Roundabouts, traffic signals and pylons: loaded and painted, but hidden and without text.
void Placement::hiddenMarker(ImageArray& array, Integer& counter, int style, bool painted) {
    platform::ImageControl* element = loadCentred(array, counter);
    if (element && painted) paint(element->picture(), style, sx, sy);
}

template <class T>
void Placement::applyRule(const Row& row, T& element, std::string_view iconText, std::string_view name,
                          const std::string& tip) {
    const core::Settings& settings = map.global.settings;
    int style = row.style;
    bool visible = row.visible;
    switch (row.rule) {
    case Rule::Plain:
        break;
    case Rule::Worship:
        if (contains(tip, std::string_view(&kDescribedMark, 1))) {
            if (const QImage* picture = storePicture(map, kDescribedWorship)) element.setPicture(*picture);
            style = 100;
        }
        for (const Religion& religion : kReligions) {
            if (row.code != religion.code) continue;
            if (const QImage* picture = storePicture(map, religion.picture)) element.setPicture(*picture);
            style = religion.style;
        }
        break;
    case Rule::Bus:
        if (contains(tip, std::string_view(&kDescribedMark, 1))) {
            if (const QImage* picture = storePicture(map, kNamedBusStop)) element.setPicture(*picture);
        }
        break;
    case Rule::Amenity:
        if (row.code == "X") {
            // A number the store has no picture for keeps the template's, painted plainly.
            const double n = iconNumber(iconText);
            const QImage* picture = storePicture(map, n);
            if (picture) element.setPicture(*picture);
            style = picture ? static_cast<int>(n) : kPlainStyle;
        }
        visible = settings.poiMode == 1;
        if (!contains(name, "crossing")) element.setTag(tip);
        if (row.code == "AME") visible = map.data.catShown[kWorshipCategory] != 0;
        element.setVisible(visible);
        if (visible) paint(element.picture(), style, sx, sy);
        return;
    }
    element.setVisible(visible);
    if (row.tag == TagRule::Tip) element.setTag(tip);
    if (row.tag == TagRule::Recycling) element.setTag("Recycling");
    paint(element.picture(), style, sx, sy);
}

void Placement::poiMarker(const Row& row, std::string_view iconText, std::string_view name,
                          std::string& tip) {
    MapData& d = map.data;
    if (row.category != kAlways && d.catShown[static_cast<size_t>(row.category)] == 0) return;
    std::visit(
        [&](auto field) {
            auto& counter = d.*field;
            if (row.rule == Rule::Bus && counter > kBusStopCap) return;
            auto place = [&](auto& array) {
                if (auto* element = loadCentred(array, counter))
                    errors.run([&] { applyRule(row, *element, iconText, name, tip); });
            };
            if (row.array)
                place(map.markers.*row.array);
            else
                place(map.markers.bus);
        },
        row.counter);
}

} // namespace

void placePoiMarker(core::MapWindow& map, double x, double y, std::string_view code, std::string_view name,
           std::string& tip, DrawErrors& errors) {
    const core::Global& g = map.global;
    // In single precision, as the view transform is.
    const auto sx = static_cast<Single>(x * g.viewZoom + g.viewOffX);
    const auto sy = static_cast<Single>(y * g.viewZoom + g.viewOffY);
    if (!render::drawWindows(map.view).poiMarkers.contains(sx, sy)) return;
    if (!(g.viewZoom >= kPoiZoom)) return;

    // A "+" after the three letters counts as a blank; an "X" code keeps its number as icon text.
    std::string normalised(code);
    if (normalised.size() >= 4 && normalised[3] == '+') normalised[3] = ' ';
    const std::string_view iconText = normalised;
    const std::string_view kind = !iconText.empty() && iconText[0] == 'X' ? std::string_view("X") : iconText;

    Placement placement{map, errors, sx, sy};
    core::Markers& m = map.markers;
    core::MapData& d = map.data;
    if (kind == "PLA" || kind == "BAY") return;
    if (kind == "MOT") return placement.motorwayLabel(x, y, name);
    if (kind == "TAG") return placement.taggedNode(name, tip);
    const bool painted = g.viewZoom > d.fileSizeMB;
    if (kind == "ROU") return placement.hiddenMarker(m.roundab, d.roundabCount, 106, painted);
    if (kind == "TRA") return placement.hiddenMarker(m.traffic, d.trafficCount, kPlainStyle, painted);
    if (kind == "PYL") {
        if (g.viewZoom < kPylonZoom) return;
        return placement.hiddenMarker(m.pylon, d.pylonCount, kPlainStyle, true);
    }

    if (g.settings.poiMode != 1 && d.poiReplot) return;
    for (const Row& row : kRows) {
        if (row.code == kind) return placement.poiMarker(row, iconText, name, tip);
    }
}

} // namespace render
