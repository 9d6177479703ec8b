#pragma once
// A window with a file open whose project file is missing: every redraw says "Can't find" once,
// which counts the redraws a handler makes.

#include "core/window_fixture.h"
#include "window/viewwindow.h"

#include <algorithm>

namespace core::testing {

class RedrawCountTest : public WindowTest {
protected:
    // More "Can't find" messages than any test draws.
    static constexpr int kMessages = 20;

    MapWindow& opened() {
        MapWindow& map = load();
        init(map);
        map.global.curFile = appPath() + "/leeds.osm";
        map.global.parsedPath = appPath() + "/leeds.vnk";
        for (int i = 0; i < kMessages; ++i)
            dialogs().scriptMsgBox(platform::msgbox::Ok);
        return map;
    }

    long redraws() {
        const auto& shown = dialogs().shown();
        return std::count_if(shown.begin(), shown.end(), [](const platform::ShownDialog& d) {
            return d.text.rfind("Can't find '", 0) == 0;
        });
    }
};

} // namespace core::testing
