#include "basic/orderedwork.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <sched.h>
#include <thread>
#include <vector>

namespace basic {

unsigned usableCores() noexcept {
    unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (::sched_getaffinity(0, sizeof allowed, &allowed) == 0)
        cores = std::min(cores, static_cast<unsigned>(std::max(1, CPU_COUNT(&allowed))));
    return cores;
}

namespace {

// The chunks' state, shared by the workers and the calling thread under one lock.
class Chunks {
public:
    Chunks(std::size_t count, std::size_t window) : count_(count), window_(window), made_(count), faults_(count) {}

    // The worker's loop: the next chunk within the window, until there is none or a fault stops all.
    void work(const std::function<void(std::size_t)>& make) {
        std::unique_lock lock(mutex_);
        for (;;) {
            room_.wait(lock, [&] { return stopped_ || next_ >= count_ || next_ < taken_ + window_; });
            if (stopped_ || next_ >= count_) return;
            const std::size_t k = next_++;
            lock.unlock();
            std::exception_ptr fault;
            try {
                make(k);
            } catch (...) {
                fault = std::current_exception();
            }
            lock.lock();
            made_[k] = true;
            faults_[k] = fault;
            if (k == taken_) madeNext_.notify_one(); // the one the calling thread waits for
        }
    }

    // Chunk k, the next to be taken, for the calling thread to make, when no worker has begun it.
    bool claim(std::size_t k) {
        const std::lock_guard lock(mutex_);
        if (next_ != k || stopped_) return false;
        ++next_;
        return true;
    }
    // Waits until chunk k is made; its fault, if any.
    std::exception_ptr awaitMade(std::size_t k) {
        std::unique_lock lock(mutex_);
        madeNext_.wait(lock, [&] { return bool(made_[k]); });
        return faults_[k];
    }
    void taken(std::size_t k) {
        const std::lock_guard lock(mutex_);
        taken_ = k + 1;
        if (next_ < count_ && next_ < taken_ + window_) room_.notify_one();
    }
    void stop() {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
        room_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable room_;     // a worker may begin the next chunk
    std::condition_variable madeNext_; // the chunk the calling thread waits for is made
    const std::size_t count_;
    const std::size_t window_;
    std::size_t next_ = 0;  // the first chunk no worker has begun
    std::size_t taken_ = 0; // the chunks taken so far
    bool stopped_ = false;
    std::vector<char> made_;
    std::vector<std::exception_ptr> faults_;
};

// Stops the workers and waits for them however the calling thread leaves.
class Crew {
public:
    Crew(Chunks& chunks, unsigned workers, const std::function<void(std::size_t)>& make) : chunks_(chunks) {
        threads_.reserve(workers);
        for (unsigned w = 0; w < workers; ++w)
            threads_.emplace_back([&chunks, &make] { chunks.work(make); });
    }
    Crew(const Crew&) = delete;
    Crew& operator=(const Crew&) = delete;
    ~Crew() {
        chunks_.stop();
        for (std::thread& t : threads_)
            t.join();
    }

private:
    Chunks& chunks_;
    std::vector<std::thread> threads_;
};

} // namespace

void inOrder(std::size_t count, unsigned workers, std::size_t window, const std::function<void(std::size_t)>& make,
             const std::function<void(std::size_t)>& take) {
    window = std::max<std::size_t>(window, 1);
    if (workers <= 1 || count <= 1) {
        for (std::size_t k = 0; k < count; ++k) {
            make(k);
            take(k);
        }
        return;
    }
    Chunks chunks(count, window);
    // The calling thread is one of the workers: it makes the chunk it is to take next when no
    // other has begun it.
    const Crew crew(chunks, static_cast<unsigned>(std::min<std::size_t>(workers - 1, count)), make);
    for (std::size_t k = 0; k < count; ++k) {
        if (chunks.claim(k))
            make(k);
        else if (const std::exception_ptr fault = chunks.awaitMade(k))
            std::rethrow_exception(fault);
        take(k);
        chunks.taken(k);
    }
}

} // namespace basic
