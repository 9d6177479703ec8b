#include "basic/wholefile.h"

#include "basic/fault.h"
#include "basic/posixfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

void writeFileWhole(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".part";
    FileHandle file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (file.get() < 0) raiseFileFault(errno, false);
    const bool written = writeAll(file.get(), bytes) && ::fsync(file.get()) == 0;
    const int writeError = errno;
    if (!file.close() || !written) {
        ::unlink(temporary.c_str());
        raiseFileFault(written ? errno : writeError, false);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.c_str());
        raiseFileFault(renameError, false);
    }
}

} // namespace basic
