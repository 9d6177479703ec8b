#include "import/projectcache.h"

#include "basic/fault.h"
#include "basic/pages.h"
#include "basic/wholefile.h"
#include "import/indexlist.h"
#include "import/projectreader.h"

#include <sys/stat.h>
#include <utility>

namespace osmimport {

ParsedProjectFile::Stamp ParsedProjectFile::stampOf(const std::string& path) {
    Stamp stamp;
    stamp.path = path;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return stamp; // no file: never a stamp a copy was kept at
    stamp.size = info.st_size;
    stamp.modifiedNs = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
    stamp.inode = info.st_ino;
    stamp.device = info.st_dev;
    return stamp;
}

void ParsedProjectFile::parse(const std::string& readFrom, const Stamp& stamp) {
    forget(); // before the file is read: the earlier copy and the new one are never held at once
    // The freed records (the earlier copy's, an import's) the new ones would reuse go back first:
    // the file's bytes are read before the records are made and must not come on top of them.
    basic::releaseFreeMemory();
    std::string bytes = basic::readFileBytes(readFrom, kLargestProjectFile);
    // The bytes the reader has passed go back as the records made of them grow.
    char* released = bytes.data();
    data_ = readProjectFile(bytes, ProjectExtent::Whole, [&](const char* readTo) {
        char* const to = bytes.data() + (readTo - bytes.data());
        basic::releasePages(released, to);
        released = to;
    });
    std::string().swap(bytes);
    indexWayNodes(data_);
    // A file changed while it was read has a new stamp by now: the next read parses it again.
    stamp_ = stamp;
    kept_ = stamp.size >= 0;
}

const ProjectData& ParsedProjectFile::read(const std::string& path) {
    if (const ProjectData* kept = unchanged(path)) return *kept;
    // Stamped before reading, so that a change during the read is never taken for the copy.
    parse(path, stampOf(path));
    return data_;
}

void ParsedProjectFile::readWritten(const std::string& writtenPath, const std::string& path) {
    Stamp stamp = stampOf(writtenPath);
    stamp.path = path;
    // Without a copy the drawing reads the file again, and reports what stops it.
    try {
        basic::withMemoryFault([&] { parse(writtenPath, stamp); });
        written_ = true;
    } catch (const basic::RuntimeFault&) {
        forget();
    }
}

const ProjectData* ParsedProjectFile::unchanged(const std::string& path) const {
    if (!kept_) return nullptr;
    return (written_ ? path == stamp_.path : stampOf(path) == stamp_) ? &data_ : nullptr;
}

void ParsedProjectFile::assign(ProjectData& model, const ProjectData& from, bool fileList) {
    ProjectData records;
    if (lent_) {
        records.swapRecords(model); // the model's records are the file's
    } else {
        records.swapRecords(data_);
        lent_ = true;
    }
    // Both lists are set aside, so that the assignment copies neither; while lent, the model's
    // is the file's.
    std::string list = std::exchange(model.otherNodesList, {});
    std::string file = std::exchange(data_.otherNodesList, {});
    if (fileList && !listLent_) {
        list = std::exchange(file, {});
        listLent_ = true;
    }
    model = from; // every other item; the records of from are those the model is about to get
    model.otherNodesList = std::move(list);
    data_.otherNodesList = std::move(file);
    model.swapRecords(records);
}

void ParsedProjectFile::takeListBack(ProjectData& model) {
    if (!listLent_) return;
    data_.otherNodesList = std::exchange(model.otherNodesList, {});
    listLent_ = false;
}

void ParsedProjectFile::forget() {
    kept_ = false;
    lent_ = false;
    listLent_ = false;
    written_ = false;
    stamp_ = Stamp{};
    data_ = ProjectData{};
}

} // namespace osmimport
