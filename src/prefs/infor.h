#pragma once
// The about box `Infor`, shown modally by File > About. For now an empty window with its caption;
// the version label, the picture and the OK button are still to come.

#include "platform/form.h"

namespace prefs {

class Infor : public platform::Form {
public:
    Infor();
};

} // namespace prefs
