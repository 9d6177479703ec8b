#pragma once
// Elapsed time that never runs backwards, whatever happens to the wall clock.

namespace basic {

// Seconds since an arbitrary fixed moment of this run.
double monotonicSeconds() noexcept;

// Measures the seconds since it was started or last restarted.
class Stopwatch {
public:
    Stopwatch() noexcept : start_(monotonicSeconds()) {}
    void restart() noexcept { start_ = monotonicSeconds(); }
    double seconds() const noexcept { return monotonicSeconds() - start_; }

private:
    double start_;
};

} // namespace basic
