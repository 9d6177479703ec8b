#pragma once
// Whole files as bytes: read in one piece, and written so that the file is there whole or not at
// all. Paths are the system's byte texts, handed to the operating system as they stand.
//
// Failures raise the runtime's file faults: 53 "File not found" when the file to read is
// missing, 76 "Path not found" when a folder of the path is missing, 70 "Permission denied"
// when access is refused, 75 "Path/File access error" for anything else (a folder, a pipe or a
// device where a file is expected, a full disk, a failed rename). Only a regular file is read,
// and a pipe or device is refused without waiting for it, with the description
// path & " is not a file".

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace basic {

// The whole file. A file of more than `largest` bytes is refused before it is read, with fault 7
// and the description path & " is too large": a reader of files the user names gives the bound
// its data can need, so that a file larger than memory never makes it wait or fail to allocate.
std::string readFileBytes(const std::string& path, std::uint64_t largest = UINT64_MAX);

// The head of a file of a few lines (the settings files): its bytes up to and with its
// lineCount-th line feed, or to its end, but never more than `largest` bytes: the rest of a
// larger file is not read, and a line that the bound cuts is left out.
std::string readFileLines(const std::string& path, std::size_t lineCount, std::size_t largest);

// Writes bytes to a temporary file of its own in the target's folder, flushes it to disk and
// renames it over path. On failure the temporary file is removed and the target is left as it
// was.
void writeFileWhole(const std::string& path, std::string_view bytes);

// The same for a file written piece by piece, so that its bytes need not be held at once:
// appended to the temporary file, which commit flushes and renames over path. Without a
// commit (a fault on the way) the temporary file is removed and the target stays as it was.
// flush alone flushes and closes the temporary file, which then stays where it is until the
// commit: another thread may flush while this one reads it.
//
// The temporary file is created new under a name no other writer uses, never opening a file
// that is there or following a link, so that two writers of one file (two instances of the
// program) never mix their bytes: the file that stands is the whole output of one of them. It
// takes the permission bits of the file it replaces; a new file gets the default mode. A link at
// path itself is replaced by the file, and what it pointed to stays untouched.
class WholeFileWriter {
public:
    explicit WholeFileWriter(std::string path);
    WholeFileWriter(const WholeFileWriter&) = delete;
    WholeFileWriter& operator=(const WholeFileWriter&) = delete;
    ~WholeFileWriter();

    void append(std::string_view bytes);
    void flush();
    void commit();

    // The temporary file the bytes go to until commit renames it over path.
    const std::string& temporaryPath() const noexcept { return temporary_; }

private:
    std::string path_;
    std::string temporary_;
    int fd_ = -1;
    bool renamed_ = false;
};

} // namespace basic
