#pragma once
// The label control: a caption painted by its container. BackStyle 1 (the default) fills the
// control with BackColor first; the caption is drawn in ForeColor with the label's font, wrapped
// at word boundaries within the control's width and aligned by Alignment (0 left, 1 right,
// 2 centre); BorderStyle 1 draws a one-pixel black frame. A CR LF in the caption breaks the line.

#include "platform/control_font.h"
#include "platform/lightweight.h"

#include <QFont>
#include <cstdint>

namespace platform {

class LabelControl : public Lightweight {
public:
    LabelControl(Container& container, std::string name);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    std::int32_t backColor() const { return backColor_; }
    void setBackColor(std::int32_t colour);
    int backStyle() const { return backStyle_; }
    void setBackStyle(int style);
    std::int32_t foreColor() const { return foreColor_; }
    void setForeColor(std::int32_t colour);
    const FontSpec& font() const { return font_; }
    void setFont(FontSpec font);
    void setFontName(std::string name);
    void setFontSize(double points);
    void setFontBold(bool bold);
    int alignment() const { return alignment_; }
    void setAlignment(int alignment);
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

    void copyPropertiesFrom(const LabelControl& other);

    bool takesMouse() const override { return true; }
    void paint(QPainter& painter) const override;

private:
    std::string caption_;
    std::int32_t backColor_ = 0xF0F0F0;
    int backStyle_ = 1;
    std::int32_t foreColor_ = 0;
    FontSpec font_;
    QFont qfont_;
    int alignment_ = 0;
    int borderStyle_ = 0;
};

} // namespace platform
