#pragma once
// Reading an OSM file whole into one text: one character per byte, in file order, never
// decoded. The import searches and splits that text, so the loader only refuses what it cannot
// hold, reads every byte in large chunks and lets the window breathe between them.

#include "basic/numbers.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace osmimport {

// The bytes one read takes at most.
inline constexpr std::int64_t kChunkBytes = 48'673'404;
// A file whose whole chunk count size / kChunkBytes reaches this is refused ("File is too long:").
inline constexpr std::int64_t kChunkLimit = 20;
// A length that does not fit a 32-bit signed number is refused ("File too long").
inline constexpr std::int64_t kLengthLimit = std::int64_t{1} << 31;

// What the loader asks of the window that runs it.
class LoadClient {
public:
    virtual ~LoadClient() = default;
    // A message with an OK button; loading goes on when it returns.
    virtual void message(std::string_view text) = 0;
    virtual void hourglassOn() = 0;
    virtual void hourglassOff() = 0;
    // Lets pending window events run, so that the window repaints during a long read.
    virtual void doEvents() = 0;
};

// The length of the regular file at `path`; none for an empty path, a missing file, or anything
// that is not a regular file (a folder, a pipe, a device).
std::optional<std::int64_t> regularFileSize(const std::string& path);

// The refusal message for a file of `size` bytes: "File too long" from 2 GiB on, "File is too
// long:" from 20 chunks on; none for a size the loader reads.
std::optional<std::string_view> sizeRefusal(std::int64_t size);

// size / 1024 / 1024 in single precision: 3,145,728 bytes give 3.
basic::Single fileSizeMB(std::int64_t size);

struct LoadedText {
    std::string text;                    // empty when nothing is imported
    std::optional<basic::Single> sizeMB; // set once the length was accepted
};

// Why the file at `path` gives nothing to import, before it is read: path & " doesn't exist",
// path & " is not a file" (a folder, a pipe, a device) or path & " is empty". None for an empty
// path (nothing was chosen) and for a regular file with bytes in it.
std::optional<std::string> unreadableFile(const std::string& path);

// The text of the file at `path`. Empty, with no message, for an empty path. Empty after one
// message for a file unreadableFile refuses, a file that vanishes or is emptied while the
// loader starts (path & " doesn't exist", path & " is empty"), a refused size, and a file that
// cannot be opened or read to its end (the runtime's description of the fault): nothing
// half-read is imported.
// The hourglass goes on at the start and stays on when a text comes back (the import turns it
// off); it is off again whenever the text is empty.
LoadedText loadbinary(const std::string& path, LoadClient& client);

} // namespace osmimport
