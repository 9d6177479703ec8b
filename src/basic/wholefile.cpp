#include "basic/wholefile.h"

#include "basic/fault.h"
#include "basic/posixfile.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <sys/random.h>
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

[[noreturn]] void raiseTooLarge(const std::string& path) {
    raise(fault::OutOfMemory, path + " is too large");
}

// The regular file at path, open for reading. A pipe or a device is opened without waiting for
// the other end (opening a pipe that nobody writes would block for ever) and then refused,
// naming the file.
FileHandle openRegularFile(const std::string& path, struct stat& info) {
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) raiseFileFault(errno, true);
    if (::fstat(file.get(), &info) != 0) raiseFileFault(errno, true);
    if (!S_ISREG(info.st_mode)) raise(fault::PathFileAccessError, path + " is not a file");
    return file;
}

// Reads up to size bytes; 0 at the end of the file.
std::size_t readSome(int fd, char* into, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, into, size);
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) raiseFileFault(errno, true);
    }
}

// Random bytes for a temporary name. Should the system give none, the process, a count and the
// time still tell writers apart; the exclusive creation makes any name that is taken safe.
std::array<unsigned char, 6> randomBytes() {
    std::array<unsigned char, 6> bytes{};
    if (::getrandom(bytes.data(), bytes.size(), GRND_NONBLOCK) == static_cast<ssize_t>(bytes.size()))
        return bytes;
    static std::atomic<unsigned> count{0};
    struct timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const unsigned long long mixed = (static_cast<unsigned long long>(::getpid()) << 40) ^
                                     (static_cast<unsigned long long>(++count) << 24) ^
                                     static_cast<unsigned long long>(now.tv_nsec);
    std::memcpy(bytes.data(), &mixed, bytes.size());
    return bytes;
}

// A name in the target's folder that no other writer picks: the target's name (cut, so that the
// whole stays within the system's limit for a name) behind a dot, which hides it from a folder
// listing, and random digits.
std::string temporaryName(const std::string& path) {
    constexpr std::size_t kKeptNameBytes = 200;
    constexpr char kHex[] = "0123456789abcdef";
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string name = path.substr(0, nameStart) + '.' + path.substr(nameStart, kKeptNameBytes) + '.';
    for (const unsigned char b : randomBytes()) {
        name += kHex[b >> 4];
        name += kHex[b & 15];
    }
    return name + ".part";
}

// The permission bits of the regular file at path; none for a new file or a link.
std::optional<mode_t> keptMode(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return info.st_mode & 0777;
}

// Creates a new temporary file for path and opens it for writing; its name goes to temporary.
int createTemporary(const std::string& path, std::string& temporary) {
    constexpr int kAttempts = 100;
    const std::optional<mode_t> mode = keptMode(path);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temporary = temporaryName(path);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              mode.value_or(0666));
        if (fd >= 0) {
            // The mask of the process narrowed the mode the file was created with; a file system
            // that keeps no modes refuses, and the file is written all the same.
            if (mode) (void)::fchmod(fd, *mode);
            return fd;
        }
        if (errno != EEXIST) raiseFileFault(errno, false);
    }
    raise(fault::PathFileAccessError);
}

} // namespace

std::string readFileBytes(const std::string& path, std::uint64_t largest) {
    struct stat info {};
    const FileHandle file = openRegularFile(path, info);
    if (static_cast<std::uint64_t>(info.st_size) > largest) raiseTooLarge(path);

    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t have = 0;
    char spare[4096]; // takes what a file that grew since fstat holds beyond that size
    for (;;) {
        const bool full = have == bytes.size();
        char* into = full ? spare : bytes.data() + have;
        const std::size_t n = readSome(file.get(), into, full ? sizeof spare : bytes.size() - have);
        if (n == 0) break;
        if (full) bytes.append(spare, n);
        have += n;
        if (have > largest) raiseTooLarge(path);
    }
    bytes.resize(have);
    return bytes;
}

std::string readFileLines(const std::string& path, std::size_t lineCount, std::size_t largest) {
    struct stat info {};
    const FileHandle file = openRegularFile(path, info);
    std::string bytes;
    std::size_t lines = 0;
    char chunk[4096];
    // One byte beyond the bound tells a file that ends there from one that goes on.
    while (lines < lineCount && bytes.size() <= largest) {
        const std::size_t n = readSome(file.get(), chunk, std::min(sizeof chunk, largest + 1 - bytes.size()));
        if (n == 0) return bytes;
        for (const char* at = chunk; (at = static_cast<const char*>(std::memchr(
                                          at, '\n', static_cast<std::size_t>(chunk + n - at))));) {
            ++at;
            if (++lines == lineCount) {
                bytes.append(chunk, static_cast<std::size_t>(at - chunk));
                return bytes;
            }
        }
        bytes.append(chunk, n);
    }
    const std::size_t lastLine = bytes.rfind('\n', largest - 1);
    bytes.resize(lastLine == std::string::npos ? 0 : lastLine + 1);
    return bytes;
}

WholeFileWriter::WholeFileWriter(std::string path) : path_(std::move(path)) {
    fd_ = createTemporary(path_, temporary_);
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
