#pragma once
// The frame: a container in twips whose children are placed from its top-left corner (the
// caption lies over them as in the classic runtime). BorderStyle 1 (the default) draws an etched
// rectangle with the Caption set into its top edge; an empty Caption leaves the edge whole;
// BorderStyle 0 draws neither border nor caption. Disabling a frame disables everything in it.

#include "platform/container_windowed.h"

#include <cstdint>

namespace platform {

class Frame : public WindowedContainer {
public:
    Frame(Container& container, std::string name);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    // 0 none, 1 fixed single; anything else is fault 380.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    std::int32_t backColor() const { return backColor_; }
    void setBackColor(std::int32_t colour);

protected:
    void paintBackground(QPainter& painter, const QRect& dirty) override;

private:
    std::string caption_;
    int borderStyle_ = 1;
    std::int32_t backColor_ = 0xF0F0F0;
};

} // namespace platform
