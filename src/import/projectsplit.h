#pragma once
// How the project file's records are cut into chunks for the threads that format or parse them.
// The bytes written and the data read are the same for every split; a split only changes how
// fast, so tests force small chunks to check that.

#include "basic/numbers.h"
#include "basic/orderedchunks.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

namespace osmimport {

// Four threads write and read as fast as more: beyond them the calling thread, which hands the
// bytes on or puts the texts in place, bounds the run, and every thread more keeps its stack.
inline constexpr unsigned kMostRecordThreads = 4;

struct RecordSplit {
    unsigned workers = std::clamp(basic::usableCores(), 1u, kMostRecordThreads); // 1: all on the calling thread
    std::size_t chunkBytes = std::size_t{1} << 17; // about this many bytes of records to a chunk

    // The reader's split: none on two cores, where the calling thread, which puts every text in
    // place and touches the records' memory first, made the read no faster than one thread's.
    static RecordSplit forReading() {
        RecordSplit split;
        if (split.workers < 3) split.workers = 1;
        return split;
    }
};

// Records 1..count cut into chunks of about chunkBytes by the bytes each record takes: the first
// record of every chunk, then count + 1. A chunk ends with the record that fills it, so records
// with long texts make chunks of fewer records, never chunks of many more bytes.
std::vector<basic::Long> chunkStarts(basic::Long count, const std::function<std::size_t(basic::Long)>& recordBytes,
                                     std::size_t chunkBytes);

} // namespace osmimport
