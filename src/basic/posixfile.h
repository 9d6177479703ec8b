#pragma once
// The few POSIX file operations the system's file readers and writers share: a descriptor that
// closes itself, and a write that goes on until every byte is out.

#include <string_view>
#include <unistd.h>
#include <utility>

namespace basic {

// Closes the descriptor when the scope ends, on every path out.
class FileHandle {
public:
    explicit FileHandle(int fd) noexcept : fd_(fd) {}
    FileHandle(FileHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const noexcept { return fd_; }
    // Closes now and reports whether the close succeeded (a write may fail only here).
    bool close() noexcept {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Writes every byte, going on after interrupted and partial writes; false on the first error
// (errno tells which).
bool writeAll(int fd, std::string_view bytes);

} // namespace basic
