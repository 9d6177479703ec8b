#include "poi/fixmereport.h"

#include "basic/posixfile.h"
#include "import/fieldescape.h"
#include "import/filenames.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "window/mapwindow.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace poi {

std::string fixmeRecord(std::string_view curFile, std::string_view fixmeList) {
    std::string record = "~" + osmimport::ftrim(curFile) + "\r\n";
    record += osmimport::unescapeField(fixmeList);
    record += "\r\n";
    return record;
}

namespace {

// Longer than any other instance holds the lock for one append.
constexpr auto kLockWait = std::chrono::seconds(5);

// Takes the lock every instance holds while it appends, so that no record is appended between
// the size an append starts from and the cut-back of its failed write. False when another holds
// it for longer than an append takes; a file system without locks is appended to unlocked.
bool lockForAppend(int fd) {
    const auto until = std::chrono::steady_clock::now() + kLockWait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return true;
        if (std::chrono::steady_clock::now() >= until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace

std::optional<std::string> appendFixmeReport(const std::string& dataFolder, std::string_view curFile,
                                             std::string_view fixmeList) {
    if (fixmeList.empty()) return std::nullopt;
    const std::string record = fixmeRecord(curFile, fixmeList);
    const std::string path = dataFolder + "/fixme.txt";
    // A link is not followed: the record would go to whatever file it points to.
    basic::FileHandle file(
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW, 0666));
    if (file.get() < 0) {
        if (errno == ELOOP) return path + " is a link: the FIXME report was not written";
        return std::nullopt;
    }
    if (!lockForAppend(file.get())) return std::nullopt;
    struct stat before {};
    const bool sized = ::fstat(file.get(), &before) == 0 && S_ISREG(before.st_mode);
    // A record cut short by a full disk is taken back, so that the file ends where it did.
    if (sized && !basic::writeAll(file.get(), record)) (void)::ftruncate(file.get(), before.st_size);
    return std::nullopt;
}

void fixme(core::MapWindow& map) {
    if (map.data.fixmeList.empty()) return;
    platform::doEvents();
    if (const auto refused = appendFixmeReport(map.global.dataFolder, map.global.curFile, map.data.fixmeList))
        platform::dialogs().msgBox(*refused);
    for (int i = 0; i < 5; ++i)
        platform::doEvents();
}

} // namespace poi
