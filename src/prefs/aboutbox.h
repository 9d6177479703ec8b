#pragma once
// The about box `Infor` ("Information"), shown modally by File > About: the version with the
// maker's line, the release stage, the about picture and "OK".

#include "platform/form.h"
#include "platform/lightweight_image.h"
#include "platform/lightweight_label.h"
#include "platform/widgets_buttons.h"

namespace prefs {

// the system's name: Infor
class AboutBox : public platform::Form {
public:
    AboutBox();

    platform::ImageControl Picture1;
    platform::LabelControl Label1;
    platform::LabelControl Label6;
    platform::LabelControl Label10;
    platform::CommandButton Command1;
};

} // namespace prefs
