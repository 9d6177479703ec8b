#pragma once
// How the project file's records are cut into chunks for the threads that format or parse them.
// The bytes written and the data read are the same for every split; a split only changes how
// fast, so tests force small chunks to check that.

#include "basic/orderedchunks.h"

#include <algorithm>
#include <cstddef>

namespace osmimport {

struct RecordSplit {
    unsigned workers = std::max(basic::usableCores(), 1u); // 1: everything on the calling thread, as one piece
    std::size_t chunkBytes = std::size_t{1} << 17; // about this many bytes of records to a chunk
};

} // namespace osmimport
