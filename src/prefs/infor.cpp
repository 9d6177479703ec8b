#include "prefs/infor.h"

namespace prefs {

Infor::Infor() : platform::Form("Infor") {
    setCaption("Information");
}

} // namespace prefs
