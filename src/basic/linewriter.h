#pragma once
// The bytes of a line-oriented text file (settings file, font list, project file) built in
// memory, one value per line as the runtime's formatted print writes it, each line ended by
// CR LF. The caller hands the bytes to writeFileWhole.

#include "basic/numbers.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace basic {

class LineWriter {
public:
    explicit LineWriter(std::size_t expectedBytes = 0);
    // Writes into buffer, emptied, keeping the memory it holds.
    explicit LineWriter(std::string&& buffer) noexcept;

    // The print form of the number (" 5", "-3", " .5"), then one blank when trailingBlank
    // (settings file and font list: " 5 "; project file: " 5").
    void number(Integer v, bool trailingBlank);
    void number(Long v, bool trailingBlank);
    void number(Single v, bool trailingBlank);
    void number(Double v, bool trailingBlank);
    void number(bool, bool) = delete; // flags are written through flag
    // A Boolean as -1 or 0 in the print form.
    void flag(bool b, bool trailingBlank);

    // The plain form of the number (no sign blank), for items the files hold that way.
    void plain(Integer v);
    void plain(Long v);
    void plain(Single v);
    void plain(Double v);
    void plain(bool) = delete;

    // The text bare, without quotes; an empty text gives an empty line.
    void text(std::string_view s);

    const std::string& bytes() const& noexcept { return bytes_; }
    // Forgets the bytes so far (handed on by the caller), keeping the buffer for the next ones.
    void clear() noexcept { bytes_.clear(); }
    std::string take() && noexcept { return std::move(bytes_); }

private:
    template <typename T> void writeNumber(T v, bool trailingBlank);
    template <typename T> void writePlain(T v);
    void endLine();

    std::string bytes_;
};

} // namespace basic
