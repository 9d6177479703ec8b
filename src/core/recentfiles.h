#pragma once
// The recent files: the captions of the File menu entries mf(15..18), most recent first. The
// settings file keeps them between runs.

#include <array>
#include <string>

namespace core {

class MapWindow;

inline constexpr int kFirstRecentFile = 15;
inline constexpr int kRecentFileCount = 4;

using RecentFiles = std::array<std::string, kRecentFileCount>;

// Moves `name` to the top: the first entry equal to it and the entries above that one move
// down one place, so a name already listed is not listed twice; a new name pushes the oldest
// entry out. An empty name counts as a name (it matches an empty entry).
// The system's name: updatmf.
void moveRecentFileToTop(RecentFiles& entries, const std::string& name);

// The same on the captions of mf(15..18).
void moveRecentFileToTop(MapWindow& map, const std::string& name);

} // namespace core
