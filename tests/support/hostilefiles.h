#pragma once
// What a disk or a user can put in the program's way: a full disk, a file far larger than
// memory, a pipe that nobody writes.

#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

// While one lives, a write that makes a file longer than `bytes` fails as on a full disk (EFBIG),
// for root too.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes = 0) : signal_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, signal_);
    }

private:
    void (*signal_)(int);
    rlimit previous_{};
};

// 100 GB, far more than the memory of any machine the tests run on.
inline constexpr std::int64_t kHugeFileBytes = std::int64_t{100} << 30;

// `head`, then zero bytes up to `size`, taking no room on the disk.
inline bool writeSparseFile(const std::string& path, const std::string& head, std::int64_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool written = fd >= 0 &&
                         ::write(fd, head.data(), head.size()) == static_cast<ssize_t>(head.size()) &&
                         ::ftruncate(fd, static_cast<off_t>(size)) == 0;
    return ::close(fd) == 0 && written;
}

inline bool makePipe(const std::string& path) {
    return ::mkfifo(path.c_str(), 0644) == 0;
}

} // namespace testsupport
