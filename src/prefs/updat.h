#pragma once
// The update dialog `updat`, shown modally by File > Check for Update. For now an empty window
// with its caption; the version check, its message and the two links are still to come.

#include "platform/form.h"

namespace prefs {

class Updat : public platform::Form {
public:
    Updat();
};

} // namespace prefs
