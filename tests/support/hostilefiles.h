#pragma once
// Files that test how the program meets what a disk or a user can put in its way: a disk that
// takes no more bytes, a file far larger than memory, a pipe that nobody writes.

#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

// While one lives, a write that would make a file longer than `bytes` fails as on a full disk
// (EFBIG), for root too, whose writes no permission can stop.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes = 0) {
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = nullptr;
};

// A file of `size` bytes that takes no room on the disk: `head`, then zero bytes. False when the
// file system cannot hold a file that large.
inline bool writeSparseFile(const std::string& path, const std::string& head, std::int64_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool written = ::write(fd, head.data(), head.size()) == static_cast<ssize_t>(head.size()) &&
                         ::ftruncate(fd, static_cast<off_t>(size)) == 0;
    return ::close(fd) == 0 && written;
}

// 100 GB, far more than the memory of any machine the tests run on.
inline constexpr std::int64_t kHugeFileBytes = std::int64_t{100} << 30;

// A named pipe at path that nobody writes: opening it to read waits for a writer.
inline bool makePipe(const std::string& path) {
    return ::mkfifo(path.c_str(), 0644) == 0;
}

} // namespace testsupport
