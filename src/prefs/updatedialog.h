#pragma once
// The update dialog `updat` ("Updates"), shown modally by File > Check for Update. Loading it
// fetches the maker's version file once and shows the result in `Label2`: "An Update is
// available." or "Current Version:1.971". The link `Label1` (blue, magenta under the mouse) and
// `Command1` "Download" open the maker's pages and close the dialog; `Command2` "Close" closes it.

#include "platform/form.h"
#include "platform/lightweight_label.h"
#include "platform/widgets_buttons.h"

#include <string_view>

namespace prefs {

inline constexpr std::int32_t kLinkColour = 0xFF0000;      // RGB(0,0,255)
inline constexpr std::int32_t kLinkHoverColour = 0xFF00FF; // RGB(255,0,255)

// the system's name: updat
class UpdateDialog : public platform::Form {
public:
    UpdateDialog();

    platform::LabelControl Label2;
    platform::LabelControl Label1;
    platform::CommandButton Command1;
    platform::CommandButton Command2;

private:
    void fetchResult();
    void openPage(std::string_view address);
};

} // namespace prefs
