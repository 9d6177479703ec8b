#pragma once
// A long run of elements worked on several cores with the outcome of one: the elements are cut
// into chunks; each chunk's independent part is prepared on whichever thread is free, and the
// prepared chunks are applied strictly in element order on the calling thread, which alone talks
// to the rest of the program. With no helper threads it is the plain loop: prepare a chunk, apply
// it, on the calling thread.

#include <atomic>
#include <cstddef>
#include <functional>

namespace basic {

struct ChunkPlan {
    std::size_t chunkSize = 256; // elements per chunk (0 counts as 1)
    unsigned helpers = 0;        // threads beside the calling one
    std::size_t mostAhead = 0;   // prepared chunks not yet applied at most; 0: two per thread
};

// The cores this process may run on: the hardware threads, or fewer when it is pinned to fewer.
unsigned usableCores();

// A plan for this machine: one helper per usable core beyond the calling one, at most
// mostHelpers (beyond which the calling thread's ordered part bounds the run and more threads
// only wait), and none when there are fewer than minElements elements (starting threads would
// cost more than it gains).
ChunkPlan planFor(std::size_t elements, std::size_t chunkSize, std::size_t minElements, unsigned mostHelpers);

// What a chunk's preparation is told.
class ChunkWork {
public:
    ChunkWork(const std::atomic<bool>& stopFlag, bool onHelper) : stopFlag_(stopFlag), onHelper_(onHelper) {}
    // True once the run is ending: the preparation stops at its next element.
    bool stopped() const noexcept { return stopFlag_.load(std::memory_order_relaxed); }
    // Whether it runs on a helper thread (work that only pays beside the calling thread, such as
    // guessing ahead, may be left to helpers).
    bool onHelper() const noexcept { return onHelper_; }

private:
    const std::atomic<bool>& stopFlag_;
    bool onHelper_;
};

// Prepares elements [first, last) of chunk number `chunk` into the slot `chunk % slots`: it reads
// only what no apply changes, and may run beside other preparations and beside the applies.
using PrepareChunk = std::function<void(std::size_t chunk, std::size_t first, std::size_t last,
                                        const ChunkWork& work)>;
// Applies the prepared chunk on the calling thread, chunks in order; false ends the run.
using ApplyChunk = std::function<bool(std::size_t chunk, std::size_t first, std::size_t last)>;
// Asked on the calling thread while it waits for a chunk that a helper prepares: true ends the run.
using WaitCancelled = std::function<bool()>;

// The number of chunk slots a run with plan uses: no more chunks than this are prepared and not
// yet applied, which bounds the memory the prepared results take.
std::size_t chunkSlots(const ChunkPlan& plan);

// Runs the chunks of `elements` elements. Returns false when an apply or the wait's cancel ended
// the run (the helpers have stopped by then). An exception thrown by a preparation is thrown
// again here in its chunk's turn, once every chunk before it is applied, and with the helpers
// stopped: the fault is the one the plain loop would meet first. An apply's goes straight out.
bool runOrderedChunks(std::size_t elements, const ChunkPlan& plan, const PrepareChunk& prepare,
                      const ApplyChunk& apply, const WaitCancelled& cancelled);

// The same for chunks of one: calls make(k) for k = 0 .. count - 1 on up to `workers` threads,
// the calling one among them, and take(k) on the calling thread in turn, each once make(k) has
// returned. make(k) is not begun before take(k - window) has returned, so a caller can keep
// chunk k's result in slot k % window.
void inOrder(std::size_t count, unsigned workers, std::size_t window, const std::function<void(std::size_t)>& make,
             const std::function<void(std::size_t)>& take);

} // namespace basic
