#include "window/markers.h"

#include "basic/colour.h"
#include "platform/artwork.h"

#include <string>

namespace core {
namespace {

struct Category {
    ImageArray Markers::*array;
    const char* picture;
};

// The POI categories whose element 1 is a button on the legend strip (placed in its cell at
// start-up).
constexpr Category kCategories[] = {
    {&Markers::chrch, "poi/CHU"},   {&Markers::pb, "poi/PUB"},    {&Markers::phone, "poi/MOB"},
    {&Markers::pbox, "poi/POS"},    {&Markers::park, "poi/PAR"},  {&Markers::school, "poi/SCH"},
    {&Markers::toilet, "poi/TOI"},  {&Markers::shop, "poi/SUP"},  {&Markers::shopp, "poi/SHO"},
    {&Markers::atm, "poi/ATM"},     {&Markers::bank, "poi/BAN"},  {&Markers::petrol, "poi/FUE"},
    {&Markers::hospit, "poi/HOS"},  {&Markers::pharm, "poi/PHA"}, {&Markers::hotel, "poi/HOT"},
    {&Markers::hist, "poi/HIS"},    {&Markers::touri, "poi/TOU"}, {&Markers::recyc, "poi/REC"},
    {&Markers::bus, "poi/BUS"},
    {&Markers::coffe, "poi/CAF"},   {&Markers::resta, "poi/RES"}, {&Markers::stat, "poi/STA"},
    {&Markers::traffic, "poi/TRA"},
};

constexpr Category kTemplatesOnly[] = {
    {&Markers::addr, "poi/ADR"},          {&Markers::fire, "poi/FIR"},    {&Markers::roundab, "poi/ROU"},
    {&Markers::pylon, "poi/PYL"},         {&Markers::shape1, "poi/TAG"},  {&Markers::nonn, "markers/orang"},
    {&Markers::pointr, "markers/pointr"}, {&Markers::plt, "markers/plt"}, {&Markers::gps, "markers/gps"},
};

// Problem markers whose element 1 is a button of the left strip.
constexpr Category kProblemMarkers[] = {
    {&Markers::amen, "poi/AME"},
    {&Markers::quest, "markers/quest"},
    {&Markers::quot, "markers/quot"},
    {&Markers::chain, "markers/chain"},
};

// The legend buttons stand in their cells after start-up; until then they wait at the strip's start.
constexpr double kStripLeft = 5616;
constexpr double kStripTop = 84;

platform::ImageControl& addTemplate(ImageArray& array, platform::PictureBox& p1, const char* picture) {
    platform::ImageControl& model = array.addDesignElement(0, p1);
    model.setVisible(false);
    model.setArtwork(picture);
    return model;
}

} // namespace

Markers::Markers(platform::Form& form, Viewport& view, SideStrips& strips) {
    platform::PictureBox& p1 = view.p1;
    for (const Category& category : kCategories) {
        ImageArray& array = this->*category.array;
        addTemplate(array, p1, category.picture);
        platform::ImageControl& button = array.addDesignElement(1, form);
        // The legend cell behind the button shows through its icon: its colour tells shown,
        // hidden and empty categories apart.
        button.setArtwork(category.picture, platform::ArtLayer::transparent);
        button.move(kStripLeft, kStripTop);
    }
    traffic[1].setVisible(false);

    for (const Category& kind : kTemplatesOnly)
        addTemplate(this->*kind.array, p1, kind.picture);

    for (const Category& problem : kProblemMarkers) {
        ImageArray& array = this->*problem.array;
        addTemplate(array, p1, problem.picture);
        platform::ImageControl& button = array.addDesignElement(1, strips.left);
        button.setArtwork(problem.picture);
        button.move(60, 60);
    }
    chain[1].setVisible(false); // the "Highways not joined" list has no button of its own

    platform::LineControl& segment = Lin.addDesignElement(0, p1);
    segment.setVisible(false);
    segment.setBorderColor(basic::rgb(0, 0, 255));
    segment.setBorderWidth(2);

    platform::ShapeControl& trackPoint = gpt.addDesignElement(0, p1);
    trackPoint.setVisible(false);
    trackPoint.setBackStyle(1);
    trackPoint.setBackColor(basic::rgb(0, 0, 128));
    trackPoint.setBorderColor(basic::rgb(0, 0, 128));
    trackPoint.move(0, 0, 16, 16);

    platform::LineControl& trackLine = Lin2.addDesignElement(0, p1);
    trackLine.setVisible(false);
    trackLine.setBorderColor(basic::rgb(0, 0, 64));

    for (auto* labels : {&Lab, &lab2}) {
        platform::LabelControl& model = labels->addDesignElement(0, p1);
        model.setVisible(false);
        model.setBackStyle(0);
        model.setFontSize(8);
        model.move(0, 0, 600, 60);
    }
    for (int i = 0; i < 3; ++i)
        List2.addDesignElement(i, form, false);
}

} // namespace core
