#include "poi/fixmereport.h"

#include "basic/posixfile.h"
#include "import/fieldescape.h"
#include "import/filenames.h"
#include "platform/events.h"
#include "window/mapwindow.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace poi {

std::string fixmeRecord(std::string_view curFile, std::string_view fixmeList) {
    std::string record = "~" + osmimport::ftrim(curFile) + "\r\n";
    record += osmimport::unescapeField(fixmeList);
    record += "\r\n";
    return record;
}

void appendFixmeReport(const std::string& dataFolder, std::string_view curFile, std::string_view fixmeList) {
    if (fixmeList.empty()) return;
    const std::string record = fixmeRecord(curFile, fixmeList);
    const std::string path = dataFolder + "/fixme.txt";
    basic::FileHandle file(
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666));
    if (file.get() < 0) return;
    struct stat before {};
    const bool sized = ::fstat(file.get(), &before) == 0 && S_ISREG(before.st_mode);
    // A record cut short by a full disk is taken back, so that the file ends where it did.
    if (sized && !basic::writeAll(file.get(), record)) (void)::ftruncate(file.get(), before.st_size);
}

void fixme(core::MapWindow& map) {
    if (map.data.fixmeList.empty()) return;
    platform::doEvents();
    appendFixmeReport(map.global.dataFolder, map.global.curFile, map.data.fixmeList);
    for (int i = 0; i < 5; ++i)
        platform::doEvents();
}

} // namespace poi
