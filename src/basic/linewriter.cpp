#include "basic/linewriter.h"

#include "basic/numtext.h"

namespace basic {

LineWriter::LineWriter(std::size_t expectedBytes) {
    bytes_.reserve(expectedBytes);
}

LineWriter::LineWriter(std::string&& buffer) noexcept : bytes_(std::move(buffer)) {
    bytes_.clear();
}

template <typename T> void LineWriter::writeNumber(T v, bool trailingBlank) {
    appendStr(bytes_, v);
    if (trailingBlank) bytes_.push_back(' ');
    endLine();
}

template <typename T> void LineWriter::writePlain(T v) {
    appendDec(bytes_, v);
    endLine();
}

void LineWriter::number(Integer v, bool trailingBlank) {
    writeNumber(v, trailingBlank);
}
void LineWriter::number(Long v, bool trailingBlank) {
    writeNumber(v, trailingBlank);
}
void LineWriter::number(Single v, bool trailingBlank) {
    writeNumber(v, trailingBlank);
}
void LineWriter::number(Double v, bool trailingBlank) {
    writeNumber(v, trailingBlank);
}
void LineWriter::flag(bool b, bool trailingBlank) {
    writeNumber(toFlag(b), trailingBlank);
}

void LineWriter::plain(Integer v) {
    writePlain(v);
}
void LineWriter::plain(Long v) {
    writePlain(v);
}
void LineWriter::plain(Single v) {
    writePlain(v);
}
void LineWriter::plain(Double v) {
    writePlain(v);
}

void LineWriter::text(std::string_view s) {
    bytes_.append(s);
    endLine();
}

void LineWriter::endLine() {
    bytes_.append("\r\n", 2);
}

} // namespace basic
