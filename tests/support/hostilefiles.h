#pragma once
// What a disk or a user can put in the program's way: a full disk, a file far larger than memory.

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace testsupport {

// While one lives, a write that makes a file longer than `bytes` fails as on a full disk (EFBIG),
// for root too.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes = 0) : signal_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        const rlimit limit{bytes, previous_.rlim_max};
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

// `head`, then zero bytes up to 100 GB, far more than the memory of any machine the tests run
// on; the zeros take no room on the disk.
inline void writeHugeFile(const std::string& path, const std::string& head) {
    std::ofstream(path, std::ios::binary) << head;
    std::filesystem::resize_file(path, std::uintmax_t{100} << 30);
}

} // namespace testsupport
