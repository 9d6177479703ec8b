#include "basic/orderedchunks.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <sched.h>
#include <thread>
#include <vector>

namespace basic {

namespace {

// How long the calling thread waits for a helper's chunk before it asks about a cancel again.
constexpr std::chrono::milliseconds kWaitStep{1};

// The shared state of one run; every member but stop is guarded by the mutex.
class Run {
public:
    Run(std::size_t elements, const ChunkPlan& plan, const PrepareChunk& prepare)
        : elements_(elements), size_(std::max<std::size_t>(plan.chunkSize, 1)),
          chunks_((elements + size_ - 1) / size_), slots_(chunkSlots(plan)), prepare_(prepare),
          ready_(chunks_, 0), faults_(chunks_) {}

    std::size_t chunks() const noexcept { return chunks_; }
    std::size_t first(std::size_t chunk) const noexcept { return chunk * size_; }
    std::size_t last(std::size_t chunk) const noexcept { return std::min(elements_, (chunk + 1) * size_); }

    void helperLoop() {
        std::unique_lock lock(mutex_);
        for (;;) {
            if (!claimable()) {
                // Woken only once half the slots are free again: waking a thread per applied
                // chunk would cost the calling thread a system call each time.
                ++idleHelpers_;
                work_.wait(lock, [this] { return ending() || halfFree(); });
                --idleHelpers_;
            }
            if (ending()) return;
            prepareClaimed(lock, true);
        }
    }

    // The calling thread: waits for chunk c, preparing chunks itself while it can. False when
    // the wait's cancel ends the run.
    bool awaitChunk(std::size_t c, const WaitCancelled& cancelled) {
        std::unique_lock lock(mutex_);
        while (!ready_[c]) {
            if (claimable()) {
                prepareClaimed(lock, false);
                continue;
            }
            callerWaits_ = true;
            readyChanged_.wait_for(lock, kWaitStep);
            callerWaits_ = false;
            if (ready_[c]) continue;
            lock.unlock();
            const bool stop = cancelled && cancelled();
            lock.lock();
            if (stop) return false;
        }
        return true;
    }

    // What chunk c's preparation raised, once awaitChunk(c) has returned true.
    std::exception_ptr fault(std::size_t c) {
        const std::lock_guard lock(mutex_);
        return faults_[c];
    }

    // Chunk c is applied: its slot is free for the next chunk. Only a helper that waits for a
    // slot is woken (a wake-up is a system call).
    void applied(std::size_t c) {
        bool wake = false;
        {
            const std::lock_guard lock(mutex_);
            applied_ = c + 1;
            wake = idleHelpers_ > 0 && halfFree();
        }
        if (wake) work_.notify_all();
    }

    void stop() {
        {
            const std::lock_guard lock(mutex_);
            stop_.store(true, std::memory_order_relaxed);
        }
        work_.notify_all();
    }

private:
    // Nothing is left for a helper to do.
    bool ending() const noexcept { return stop_.load(std::memory_order_relaxed) || next_ >= chunks_; }
    // A chunk is waiting to be prepared and its slot is free.
    bool claimable() const noexcept { return next_ < chunks_ && next_ < applied_ + slots_; }
    // Half the slots are free, or every chunk left has a free slot.
    bool halfFree() const noexcept {
        return next_ < chunks_ && (next_ + slots_ / 2 <= applied_ + slots_ || applied_ + slots_ >= chunks_);
    }

    // Prepares the next chunk with the lock released; the lock is held again on return.
    void prepareClaimed(std::unique_lock<std::mutex>& lock, bool onHelper) {
        const std::size_t c = next_++;
        lock.unlock();
        std::exception_ptr error;
        try {
            prepare_(c, first(c), last(c), ChunkWork(stop_, onHelper));
        } catch (...) {
            error = std::current_exception();
        }
        lock.lock();
        // A fault waits for its chunk's turn, so that the one raised is the earliest chunk's.
        faults_[c] = error;
        ready_[c] = 1;
        if (callerWaits_) readyChanged_.notify_one();
    }

    const std::size_t elements_;
    const std::size_t size_;
    const std::size_t chunks_;
    const std::size_t slots_;
    const PrepareChunk& prepare_;
    std::mutex mutex_;
    std::condition_variable work_;          // a slot came free, or the run stops
    std::condition_variable readyChanged_; // a chunk was prepared
    unsigned idleHelpers_ = 0;             // helpers waiting for a slot
    bool callerWaits_ = false;             // the calling thread waits for a chunk
    std::vector<char> ready_;
    std::vector<std::exception_ptr> faults_;
    std::size_t next_ = 0;    // the next chunk to prepare
    std::size_t applied_ = 0; // the chunks applied
    std::atomic<bool> stop_{false};
};

// Stops and joins the helpers however the run ends.
class Helpers {
public:
    Helpers(Run& run, unsigned count) : run_(run) {
        threads_.reserve(count);
        for (unsigned k = 0; k < count; ++k)
            threads_.emplace_back([&run] { run.helperLoop(); });
    }
    Helpers(const Helpers&) = delete;
    Helpers& operator=(const Helpers&) = delete;
    ~Helpers() { join(); }

    void join() {
        run_.stop();
        for (std::thread& t : threads_)
            if (t.joinable()) t.join();
    }

private:
    Run& run_;
    std::vector<std::thread> threads_;
};

} // namespace

unsigned usableCores() {
    unsigned cores = std::thread::hardware_concurrency();
    // A process pinned to fewer cores (taskset) gets no more threads than it may run at once.
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0) {
        const int count = CPU_COUNT(&allowed);
        if (count > 0 && (cores == 0 || static_cast<unsigned>(count) < cores)) cores = static_cast<unsigned>(count);
    }
    return cores;
}

ChunkPlan planFor(std::size_t elements, std::size_t chunkSize, std::size_t minElements, unsigned mostHelpers) {
    ChunkPlan plan;
    plan.chunkSize = chunkSize;
    const unsigned cores = usableCores();
    if (elements >= minElements && cores > 1) plan.helpers = std::min(cores - 1, mostHelpers);
    return plan;
}

std::size_t chunkSlots(const ChunkPlan& plan) {
    return plan.mostAhead ? plan.mostAhead : 2 * (static_cast<std::size_t>(plan.helpers) + 1);
}

bool runOrderedChunks(std::size_t elements, const ChunkPlan& plan, const PrepareChunk& prepare,
                      const ApplyChunk& apply, const WaitCancelled& cancelled) {
    Run run(elements, plan, prepare);
    const std::size_t chunks = run.chunks();
    if (plan.helpers == 0 || chunks < 2) {
        const std::atomic<bool> never{false};
        for (std::size_t c = 0; c < chunks; ++c) {
            prepare(c, run.first(c), run.last(c), ChunkWork(never, false));
            if (!apply(c, run.first(c), run.last(c))) return false;
        }
        return true;
    }
    bool completed = true;
    std::exception_ptr fault;
    {
        Helpers helpers(run, static_cast<unsigned>(std::min<std::size_t>(plan.helpers, chunks - 1)));
        for (std::size_t c = 0; c < chunks && completed && !fault; ++c) {
            if (!run.awaitChunk(c, cancelled)) {
                completed = false;
            } else if (!(fault = run.fault(c))) {
                completed = apply(c, run.first(c), run.last(c));
                run.applied(c);
            }
        }
        helpers.join();
    }
    if (fault) std::rethrow_exception(fault);
    return completed;
}

void inOrder(std::size_t count, unsigned workers, std::size_t window, const std::function<void(std::size_t)>& make,
             const std::function<void(std::size_t)>& take) {
    ChunkPlan plan;
    plan.chunkSize = 1;
    plan.helpers = workers > 1 ? workers - 1 : 0;
    plan.mostAhead = std::max<std::size_t>(window, 1);
    runOrderedChunks(
        count, plan, [&](std::size_t k, std::size_t, std::size_t, const ChunkWork&) { make(k); },
        [&](std::size_t k, std::size_t, std::size_t) {
            take(k);
            return true;
        },
        {});
}

} // namespace basic
