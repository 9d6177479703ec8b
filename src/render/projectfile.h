#pragma once
// Whether the project file a drawing reads is there, and which writing of it it is.

#include <string>

namespace render {

// True when the path names a file; a path that holds "*" is still the open dialog's pattern,
// never a file.
bool projectFileFound(const std::string& path);

// The project file as written: its path, its size and the time it was written. A drawing shows
// the fault message of a damaged file once for each identity, not on every pan and zoom.
std::string projectFileIdentity(const std::string& path);

} // namespace render
