#include "basic/linereader.h"

#include "basic/bytescan.h"
#include "basic/fault.h"
#include "basic/val.h"

#include <algorithm>

namespace basic {

LineReader::LineReader(std::string_view bytes) noexcept : data_(bytes) {}

LineReader::LineReader(std::string&& bytes) noexcept : owned_(std::move(bytes)), data_(owned_) {}

void LineReader::requireMore() const {
    if (eof()) raise(fault::InputPastEndOfFile);
}

// The first comma or line feed at or after from, or the end of the bytes.
std::size_t LineReader::delimiterFrom(std::size_t from) const noexcept {
    return findEither(data_, from, ',', '\n');
}

// The bytes from start up to the delimiter at end, without the CR of a CR LF; the reader moves
// past the delimiter.
[[gnu::always_inline]] inline std::string_view LineReader::takeUpTo(std::size_t start, std::size_t end) noexcept {
    std::string_view v = data_.substr(start, end - start);
    if (end < data_.size() && data_[end] == '\n' && !v.empty() && v.back() == '\r') v.remove_suffix(1);
    pos_ = std::min(end + 1, data_.size());
    return v;
}

std::string_view LineReader::quotedValue() {
    const std::size_t start = pos_ + 1;
    const std::size_t close = findEither(data_, start, '"', '\n');
    if (close == data_.size() || data_[close] == '\n') return takeUpTo(start, close);
    takeUpTo(close + 1, delimiterFrom(close + 1));
    return data_.substr(start, close - start);
}

std::string_view LineReader::input() {
    requireMore();
    while (pos_ < data_.size() && (data_[pos_] == ' ' || data_[pos_] == '\t'))
        ++pos_;
    if (pos_ < data_.size() && data_[pos_] == '"') return quotedValue();
    std::string_view v = takeUpTo(pos_, delimiterFrom(pos_));
    while (!v.empty() && v.back() == ' ')
        v.remove_suffix(1);
    return v;
}

double LineReader::inputDouble() {
    return val(input());
}
Single LineReader::inputSingle() {
    return csng(val(input()));
}
Long LineReader::inputLong() {
    return clng(val(input()));
}
Integer LineReader::inputInteger() {
    return cint(val(input()));
}

std::string_view LineReader::lineInputView() {
    requireMore();
    const std::size_t end = data_.find('\n', pos_);
    return takeUpTo(pos_, end == std::string_view::npos ? data_.size() : end);
}

} // namespace basic
