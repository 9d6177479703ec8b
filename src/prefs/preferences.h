#pragma once
// The Preferences window `settings`, shown modally by Edit > Preferences. For now an empty window
// with its caption; the folder, font, colour and number controls are still to come.

#include "platform/form.h"

namespace prefs {

class Preferences : public platform::Form {
public:
    Preferences();
};

} // namespace prefs
