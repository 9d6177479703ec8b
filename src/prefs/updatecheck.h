#pragma once
// The update check: the maker's version file is fetched over HTTP and its first line compared
// with the program's version. The transfer blocks the window (user input held back) for at most
// the time limit and reads at most 1 MiB.

#include "basic/numbers.h"

#include <string>

namespace prefs {

inline constexpr int kUpdateTimeLimitMs = 15000;

// For tests: where the version file is fetched from and how long a transfer may take.
void setUpdateSource(std::string address, int timeLimitMs);

// The body of a 2xx response, or the empty text after "Error opening Web page" (no response,
// another status, the time limit passed, a body over 1 MiB).
std::string DownloadText(const std::string& address);

// True when the version file's first line (after a UTF-8 byte-order mark, up to the first CR LF
// or lone LF) starts with a number greater than `progVersion`; false otherwise, also when
// nothing could be fetched.
bool CheckForUpdate(basic::Single progVersion);

} // namespace prefs
