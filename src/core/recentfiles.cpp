#include "core/recentfiles.h"

#include "window/mapwindow.h"

#include <algorithm>

namespace core {

void moveRecentFileToTop(RecentFiles& entries, const std::string& name) {
    std::string top = name; // name may be one of the entries that move
    const auto found = std::find(entries.begin(), entries.end(), top);
    // Without a copy of the name the whole list moves down and the last entry drops out.
    const auto last = found == entries.end() ? entries.end() - 1 : found;
    std::move_backward(entries.begin(), last, last + 1);
    entries.front() = std::move(top);
}

void moveRecentFileToTop(MapWindow& map, const std::string& name) {
    RecentFiles entries;
    for (int i = 0; i < kRecentFileCount; ++i)
        entries[static_cast<size_t>(i)] = map.menus.mf[kFirstRecentFile + i].caption();
    moveRecentFileToTop(entries, name);
    for (int i = 0; i < kRecentFileCount; ++i)
        map.menus.mf[kFirstRecentFile + i].setCaption(entries[static_cast<size_t>(i)]);
}

} // namespace core
