#include "basic/wholefile.h"

#include "basic/fault.h"
#include "basic/posixfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace basic {

namespace {

[[noreturn]] void raiseFileFault(int error, bool reading) {
    switch (error) {
    case ENOENT:
        raise(reading ? fault::FileNotFound : fault::PathNotFound);
    case ENOTDIR:
        raise(fault::PathNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
        raise(fault::PermissionDenied);
    default:
        raise(fault::PathFileAccessError);
    }
}

} // namespace

std::string readFileBytes(const std::string& path) {
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) raiseFileFault(errno, true);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) raiseFileFault(errno, true);
    if (!S_ISREG(info.st_mode)) raise(fault::PathFileAccessError);

    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t have = 0;
    char spare[4096]; // takes what a file that grew since fstat holds beyond that size
    for (;;) {
        const bool full = have == bytes.size();
        char* into = full ? spare : bytes.data() + have;
        const ssize_t n = ::read(file.get(), into, full ? sizeof spare : bytes.size() - have);
        if (n < 0) {
            if (errno == EINTR) continue;
            raiseFileFault(errno, true);
        }
        if (n == 0) break;
        if (full) bytes.append(spare, static_cast<std::size_t>(n));
        have += static_cast<std::size_t>(n);
    }
    bytes.resize(have);
    return bytes;
}

WholeFileWriter::WholeFileWriter(std::string path) : path_(std::move(path)), temporary_(path_ + ".part") {
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0) raiseFileFault(errno, false);
}

WholeFileWriter::~WholeFileWriter() {
    if (fd_ >= 0) ::close(fd_);
    if (!renamed_) ::unlink(temporary_.c_str());
}

void WholeFileWriter::append(std::string_view bytes) {
    if (!writeAll(fd_, bytes)) raiseFileFault(errno, false);
}

void WholeFileWriter::flush() {
    if (fd_ < 0) return;
    const bool synced = ::fsync(fd_) == 0;
    const int syncError = errno;
    const int fd = std::exchange(fd_, -1);
    const bool closed = ::close(fd) == 0;
    if (!synced || !closed) {
        const int error = synced ? errno : syncError;
        ::unlink(temporary_.c_str());
        raiseFileFault(error, false);
    }
}

void WholeFileWriter::commit() {
    flush();
    if (::rename(temporary_.c_str(), path_.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary_.c_str());
        raiseFileFault(renameError, false);
    }
    renamed_ = true;
}

void writeFileWhole(const std::string& path, std::string_view bytes) {
    WholeFileWriter file(path);
    file.append(bytes);
    file.commit();
}

} // namespace basic
