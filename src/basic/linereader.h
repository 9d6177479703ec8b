#pragma once
// Reads a line-oriented text file value by value, as the runtime's list input (Input #) and
// Line Input read it. Lines end with CR LF or with LF alone; a CR not followed by LF is an
// ordinary character.
//
// One value: blanks and tabs before it are skipped; it ends at a comma (the reader stays on the
// line, after the comma) or at the line end (the reader moves to the next line). An unquoted
// value loses its trailing blanks. A value that starts with a double quote runs to the next
// double quote and may hold commas; whatever follows the closing quote up to the next comma or
// line end is passed over; without a closing quote on its line the value runs to the line end.
//
// Known limits of the format: a text written with leading blanks reads back without them, a text
// with a comma reads back as two values, and a text that starts with a double quote loses it.
//
// Reading when no byte is left is fault 62 "Input past end of file".

#include "basic/numbers.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace basic {

class LineReader {
public:
    // Reads bytes that the caller keeps alive while the reader is used.
    explicit LineReader(std::string_view bytes) noexcept;
    // Reads bytes that the reader keeps.
    explicit LineReader(std::string&& bytes) noexcept;
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool eof() const noexcept { return pos_ >= data_.size(); }
    // Where the next value begins, as an offset into the bytes; a reader moved to an offset
    // another reader came to reads on as that one would.
    std::size_t position() const noexcept { return pos_; }
    void moveTo(std::size_t position) noexcept { pos_ = position < data_.size() ? position : data_.size(); }

    // The next value as a view into the bytes.
    std::string_view input();
    std::string inputText() { return std::string(input()); }
    // Numbers are the val of the value; whole numbers round halves to even, fault 6 outside
    // their type.
    double inputDouble();
    Single inputSingle();
    Long inputLong();
    Integer inputInteger();

    // The rest of the current line as it stands, blanks and commas included.
    std::string_view lineInputView();
    std::string lineInput() { return std::string(lineInputView()); }

private:
    void requireMore() const;
    std::size_t delimiterFrom(std::size_t from) const noexcept;
    std::string_view takeUpTo(std::size_t start, std::size_t end) noexcept;
    std::string_view quotedValue();

    std::string owned_;
    std::string_view data_;
    std::size_t pos_ = 0;
};

} // namespace basic
