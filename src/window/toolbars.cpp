#include "window/toolbars.h"

#include "platform/artwork.h"

#include <string>
#include <string_view>

namespace core {
namespace {

struct Tool {
    int index;
    double left;
    std::string_view toolTip;
};

constexpr double kToolTop = 150;
constexpr Tool kFileTools[] = {
    {0, 120, " Open OMS "}, {2, 540, " Open Parsed Files "}, {6, 960, " Import GPX "}};
constexpr Tool kRouteTools[] = {
    {0, 1500, " Create Route "}, {1, 1920, " Download OSM "}, {4, 2340, " Show Route  on Goiogle Earth"}};

struct ZoomFrame {
    double left, top;
};
constexpr ZoomFrame kZoomFrames[] = {{600, 1095}, {615, 1560}};
constexpr double kZoomWidth = 360;
constexpr double kZoomHeight = 285;

template <size_t N>
void tools(platform::ControlArray<platform::ImageControl>& array, platform::Form& form,
           const Tool (&table)[N]) {
    for (const Tool& tool : table) {
        platform::ImageControl& image = array.addDesignElement(tool.index, form);
        image.setArtwork("toolbar/" + array.name() + "_" + std::to_string(tool.index));
        image.setToolTipText(std::string(tool.toolTip));
        image.move(tool.left, kToolTop);
    }
}

} // namespace

Toolbars::Toolbars(platform::Form& form) {
    tools(Image3, form, kFileTools);
    tools(rout, form, kRouteTools);
    for (int i = 0; i < 2; ++i) {
        platform::Frame& frame = Frame7.addDesignElement(i, form);
        frame.setBorderStyle(0);
        frame.move(kZoomFrames[i].left, kZoomFrames[i].top, kZoomWidth, kZoomHeight);
        platform::ImageControl& button = Image4.addDesignElement(i, frame);
        button.setArtwork("buttons/Image4_" + std::to_string(i));
        button.setStretch(true);
        button.move(0, 0, kZoomWidth, kZoomHeight);
    }
}

} // namespace core
