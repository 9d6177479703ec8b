#include "prefs/updat.h"

namespace prefs {

Updat::Updat() : platform::Form("updat") {
    setCaption("Updates");
}

} // namespace prefs
