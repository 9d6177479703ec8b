#pragma once
// The project file reader: every item back in file order, as the list input reads it (blanks
// before a value skipped, a value ending at a comma or the line end), escaped texts unescaped
// by unescapeField.
//
// The reader reads into fresh data and hands it over only when the whole file was read, so a
// file it refuses leaves the caller's data as it was. Before any array is created its count is
// checked against the number of values the file can still hold (every value takes at least its
// own comma or line end), so no count makes it allocate more than the file's size warrants.
// Refusals raise the runtime fault that says why, for one message: 62 "Input past end of file"
// for a file that ends early or holds fewer values than its counts name, 9 "Subscript out of
// range" for a negative count, 13 "Type mismatch" for a number item that is not a number, 6
// "Overflow" for a number beyond its type.

#include "import/projectdata.h"
#include "import/projectsplit.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace osmimport {

// A project file is made from an OSM file the loader takes, which is below 2 GiB and holds more
// than the file made of it; a larger one is refused by its size before it is read.
inline constexpr std::uint64_t kLargestProjectFile = (std::uint64_t{1} << 31) - 1;

enum class ProjectExtent {
    Whole,
    ThroughStreetNames, // what a name search needs: the rest is neither read nor checked
};

// Told, now and then, how far the reader has come: it reads no byte before `readTo` again.
using BytesPassed = std::function<void(const char* readTo)>;

// The node and way records are read in chunks on split.workers threads where every value of them
// is a line of its own, as in every file the writer writes; the data and any fault are those of
// reading them one after the other.
ProjectData readProjectFile(std::string_view bytes, ProjectExtent extent = ProjectExtent::Whole,
                            const BytesPassed& passed = {},
                            const RecordSplit& split = RecordSplit::forReading());

} // namespace osmimport
