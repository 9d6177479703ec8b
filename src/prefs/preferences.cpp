#include "prefs/preferences.h"

namespace prefs {

Preferences::Preferences() : platform::Form("settings") {
    setCaption("Settings");
}

} // namespace prefs
