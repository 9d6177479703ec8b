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

    // The reader's split. Its calling thread puts every text in place and the records' memory is
    // touched for the first time as they are read, so that two cores read no faster than one and
    // more than four threads only wait for the calling thread.
    static RecordSplit forReading() {
        RecordSplit split;
        split.workers = split.workers >= 3 ? std::min(split.workers, 4u) : 1;
        return split;
    }
};

} // namespace osmimport
