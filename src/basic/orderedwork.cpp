#include "basic/orderedwork.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace basic {

namespace {

// The chunks' state, shared by the workers and the calling thread under one lock.
class Chunks {
public:
    Chunks(std::size_t count, std::size_t window, const std::function<void(std::size_t)>& make)
        : count_(count), window_(window), make_(make), made_(count), faults_(count) {}

    // A worker's loop: the next chunk within the window, until there is none or a fault stops all.
    void work() {
        std::unique_lock lock(mutex_);
        for (;;) {
            room_.wait(lock, [&] { return stopped_ || next_ >= count_ || open(); });
            if (stopped_ || next_ >= count_) return;
            makeNext(lock);
        }
    }

    // The calling thread's wait for chunk k, the next to be taken: meanwhile it makes chunks
    // itself, whenever one is within the window and not begun. Chunk k's fault, if any.
    std::exception_ptr awaitMade(std::size_t k) {
        std::unique_lock lock(mutex_);
        while (!made_[k]) {
            if (next_ < count_ && open())
                makeNext(lock);
            else
                madeNext_.wait(lock);
        }
        return faults_[k];
    }
    void taken(std::size_t k) {
        const std::lock_guard lock(mutex_);
        taken_ = k + 1;
        if (next_ < count_ && open()) room_.notify_one();
    }
    void stop() {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
        room_.notify_all();
    }

private:
    bool open() const noexcept { return next_ < taken_ + window_; }

    // Makes chunk next_ with the lock let go meanwhile.
    void makeNext(std::unique_lock<std::mutex>& lock) {
        const std::size_t k = next_++;
        lock.unlock();
        std::exception_ptr fault;
        try {
            make_(k);
        } catch (...) {
            fault = std::current_exception();
        }
        lock.lock();
        made_[k] = true;
        faults_[k] = fault;
        if (k == taken_) madeNext_.notify_one(); // the one the calling thread waits for
    }

    std::mutex mutex_;
    std::condition_variable room_;     // a worker may begin the next chunk
    std::condition_variable madeNext_; // the chunk the calling thread waits for is made
    const std::size_t count_;
    const std::size_t window_;
    const std::function<void(std::size_t)>& make_;
    std::size_t next_ = 0;  // the first chunk no thread has begun
    std::size_t taken_ = 0; // the chunks taken so far
    bool stopped_ = false;
    std::vector<char> made_;
    std::vector<std::exception_ptr> faults_;
};

// Stops the workers and waits for them however the calling thread leaves.
class Crew {
public:
    Crew(Chunks& chunks, unsigned workers) : chunks_(chunks) {
        threads_.reserve(workers);
        for (unsigned w = 0; w < workers; ++w)
            threads_.emplace_back([&chunks] { chunks.work(); });
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
    Chunks chunks(count, window, make);
    // The calling thread is one of the workers.
    const Crew crew(chunks, static_cast<unsigned>(std::min<std::size_t>(workers - 1, count)));
    for (std::size_t k = 0; k < count; ++k) {
        if (const std::exception_ptr fault = chunks.awaitMade(k)) std::rethrow_exception(fault);
        take(k);
        chunks.taken(k);
    }
}

} // namespace basic
