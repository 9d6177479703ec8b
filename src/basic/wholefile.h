#pragma once
// Whole files as bytes: read in one piece, and written so that the file is there whole or not at
// all. Paths are the system's byte texts, handed to the operating system as they stand.
//
// Failures raise the runtime's file faults: 53 "File not found" when the file to read is
// missing, 76 "Path not found" when a folder of the path is missing, 70 "Permission denied"
// when access is refused, 75 "Path/File access error" for anything else (a folder where a file
// is expected, a full disk, a failed rename).

#include <string>
#include <string_view>

namespace basic {

std::string readFileBytes(const std::string& path);

// Writes bytes to a temporary file in the target's folder, flushes it to disk and renames it
// over path. On failure the temporary file is removed and the target is left as it was.
void writeFileWhole(const std::string& path, std::string_view bytes);

// The same for a file written piece by piece, so that its bytes need not be held at once:
// appended to the temporary file, which commit flushes and renames over path. Without a
// commit (a fault on the way) the temporary file is removed and the target stays as it was.
// flush alone flushes and closes the temporary file, which then stays where it is until the
// commit: another thread may flush while this one reads it.
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
