#pragma once
// The project file parsed once: a drawing and a search take the map from memory for as long as
// the file keeps the path, size, modification time and inode it was parsed at, so that a pan, a
// zoom or a toggle no longer reads and parses the whole file again. The copy is always parsed
// from the file's bytes (after an import, from the file it has just written), so what it holds
// is exactly what reading the file gives: texts unescaped, numbers as the file rounds them. The
// earlier copy goes before a file is read, and the bytes go back as the reader passes them, so
// that a large file is held about once while it is parsed.
//
// The map is not held twice afterwards either: the records that neither a drawing nor a search
// changes (ProjectData::swapRecords) move into the data model the copy is first assigned to, and
// from then on that data model holds them for the copy; the copy keeps everything else. Whoever
// gives that data model other records forgets the copy first (the import does).
//
// The Other Nodes list, the one problem text that can be as large as the records, is lent the
// same way once the data model takes the file's problem texts, and stays lent while the model
// keeps it as it came. The model changes it only by emptying it (cleartxt): the list comes back
// to the copy first (takeListBack), so that the next drawing that takes the file's texts has it.

#include "import/projectdata.h"

#include <string>
#include <sys/types.h>

namespace osmimport {

class ParsedProjectFile {
public:
    // The data of the project file at path, the way node indices made. From memory while the
    // file is unchanged, or while path is the one this instance wrote (see readWritten);
    // otherwise read and parsed again. A file that cannot be read or that the
    // reader refuses raises the reader's fault, and nothing is kept. Once lent, the records and
    // the Other Nodes list are not in it but in the data model they went to.
    const ProjectData& read(const std::string& path);

    // The file just written to writtenPath, which is to be renamed over path as it stands (the
    // same inode, size and modification time): parsed now and kept for path. A fault of the
    // reader keeps nothing; the drawing then reads path itself and shows it.
    // The copy stands for path until fileOpened, even when another instance renames a file of
    // its own over path meanwhile: an instance draws and searches the map it imported itself.
    void readWritten(const std::string& writtenPath, const std::string& path);

    // A file is opened by name: the copy stands for it only while the file is unchanged.
    void fileOpened() noexcept { written_ = false; }

    // model = from, where from is the copy read() gave or a copy of it, changed or not: the
    // records go to the model from the copy the first time and stay the model's afterwards. The
    // Other Nodes list of from is never copied: with fileList the model holds the file's (lent
    // by the copy, or still lent to the model), otherwise it keeps its own.
    void assign(ProjectData& model, const ProjectData& from, bool fileList);

    // The records are in the data model the copy was assigned to, not in the copy.
    bool recordsLent() const noexcept { return lent_; }

    // Before the model changes its Other Nodes list: the file's, when lent to it, comes back to
    // the copy, and the model's list is empty.
    void takeListBack(ProjectData& model);

    // The kept copy while the file at path is unchanged or is the one written; otherwise null,
    // and nothing is read.
    const ProjectData* unchanged(const std::string& path) const;

    // Nothing is kept any more.
    void forget();

private:
    struct Stamp {
        std::string path;
        off_t size = -1;
        long long modifiedNs = 0;
        ino_t inode = 0;
        dev_t device = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stampOf(const std::string& path);
    void parse(const std::string& readFrom, const Stamp& stamp);

    Stamp stamp_;
    bool kept_ = false;
    bool lent_ = false;
    bool listLent_ = false;
    bool written_ = false; // the copy is of the file this instance wrote at its path
    ProjectData data_;
};

} // namespace osmimport
