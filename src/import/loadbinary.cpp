#include "import/loadbinary.h"

#include "basic/fault.h"
#include "basic/posixfile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace osmimport {
namespace {

int openFault(int error) {
    switch (error) {
    case ENOENT:
        return basic::fault::FileNotFound;
    case EACCES:
    case EPERM:
        return basic::fault::PermissionDenied;
    default:
        return basic::fault::PathFileAccessError;
    }
}

// Fills `into` whole from the file; 0 when done, else the fault number. A file that ends
// early (it shrank since its length was taken) is "Input past end of file".
int readWhole(int fd, char* into, std::int64_t length) {
    while (length > 0) {
        const ssize_t n = ::read(fd, into, static_cast<std::size_t>(length));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno == EIO ? basic::fault::DeviceIOError : basic::fault::PathFileAccessError;
        }
        if (n == 0) return basic::fault::InputPastEndOfFile;
        into += n;
        length -= n;
    }
    return 0;
}

// Ends a load that gives no text: the pointer is the normal one again.
LoadedText nothing(LoadClient& client, std::optional<basic::Single> sizeMB = std::nullopt) {
    client.hourglassOff();
    return {{}, sizeMB};
}

} // namespace

// A folder, a pipe or a device is no file to load (reading a pipe could wait for ever).
std::optional<std::int64_t> regularFileSize(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return static_cast<std::int64_t>(info.st_size);
}

std::optional<std::string_view> sizeRefusal(std::int64_t size) {
    if (size >= kLengthLimit) return "File too long";
    if (size / kChunkBytes >= kChunkLimit) return "File is too long:";
    return std::nullopt;
}

basic::Single fileSizeMB(std::int64_t size) {
    return static_cast<basic::Single>(static_cast<double>(size) / 1024 / 1024);
}

std::optional<std::string> unreadableFile(const std::string& path) {
    if (path.empty()) return std::nullopt;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return path + " doesn't exist";
    if (!S_ISREG(info.st_mode)) return path + " is not a file";
    if (info.st_size == 0) return path + " is empty";
    return std::nullopt;
}

LoadedText loadbinary(const std::string& path, LoadClient& client) {
    if (const auto why = unreadableFile(path)) {
        client.message(*why);
        return {};
    }
    if (!regularFileSize(path)) return {};
    client.hourglassOn();
    for (int i = 0; i < 3; ++i)
        client.doEvents();

    const std::optional<std::int64_t> size = regularFileSize(path);
    if (!size) {
        client.message(path + " doesn't exist");
        return nothing(client);
    }
    if (*size >= kLengthLimit) {
        client.message(*sizeRefusal(*size));
        return nothing(client);
    }
    const basic::Single sizeMB = fileSizeMB(*size);

    // Not blocking: a file swapped for a pipe since it was looked at must not wait for a writer.
    basic::FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) {
        client.message(basic::faultDescription(openFault(errno)));
        return nothing(client, sizeMB);
    }
    if (const auto refusal = sizeRefusal(*size)) {
        client.message(*refusal);
        return nothing(client, sizeMB);
    }

    client.doEvents();
    client.doEvents();
    // Every chunk is read, the last one partial, straight into its place in the text.
    LoadedText loaded{std::string(static_cast<std::size_t>(*size), '\0'), sizeMB};
    for (std::int64_t at = 0; at < *size; at += kChunkBytes) {
        const std::int64_t length = std::min(kChunkBytes, *size - at);
        if (const int fault = readWhole(file.get(), loaded.text.data() + at, length)) {
            client.message(basic::faultDescription(fault));
            return nothing(client, sizeMB);
        }
        client.doEvents();
    }
    if (loaded.text.empty()) {
        client.message(path + " is empty"); // it was emptied while the loader started
        return nothing(client, sizeMB);
    }
    return loaded;
}

} // namespace osmimport
