#pragma once
// Where the program keeps its files: the program folder holds the settings file and the
// "files" data folder. Paths use "/" and come without a trailing "/".

#include <functional>
#include <string>

namespace platform {

// The program folder: the executable's folder when it is writable, otherwise the per-user data
// folder (created when missing). Fixed at the first call unless a test injects one.
std::string appPath();

// Makes appPath() answer `path` (cleaned of a trailing "/"); an empty path returns to the real
// program folder.
void setAppPathForTests(const std::string& path);

// The decision behind appPath(): `programFolder` when `writable` says so, else `userFolder`.
std::string chooseAppPath(const std::string& programFolder, const std::string& userFolder,
                          const std::function<bool(const std::string&)>& writable);

// Whether `path` is an existing folder this process may write into.
bool isWritableFolder(const std::string& path);

// Creates the folder and its missing parents; true when it exists afterwards. An empty path or
// a path naming a file gives false.
bool ensureFolder(const std::string& path);

} // namespace platform
