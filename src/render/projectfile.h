#pragma once
// Whether the project file a drawing reads is there.

#include <string>

namespace render {

// True when the path names a file; a path that holds "*" is still the open dialog's pattern,
// never a file.
bool projectFileFound(const std::string& path);

} // namespace render
