#include "platform/httpresponse.h"

#include "basic/case.h"

#include <algorithm>
#include <charconv>

namespace platform {
namespace {

constexpr std::string_view kTooLarge = "too large";
constexpr std::string_view kInvalid = "invalid response";

// Without the blanks and tabs around it (a header's value, a chunk-size line).
std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A whole number in `base` that fills the text, or false.
bool wholeNumber(std::string_view text, int base, std::size_t& number) {
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

void HttpResponseReader::take(std::string_view bytes) {
    if (whole() || failed()) return;
    pending_.append(bytes);
    while (step()) {
    }
    // Dropped once per arrival rather than once per line: a flood of short lines costs no more.
    pending_.erase(0, taken_);
    scannedFrom_ = scannedFrom_ > taken_ ? scannedFrom_ - taken_ : 0;
    taken_ = 0;
}

void HttpResponseReader::closed() {
    if (stage_ == Stage::UntilClose) {
        stage_ = Stage::Whole;
    } else if (!whole() && !failed()) {
        fail("the connection closed before the response was whole");
    }
}

// Takes one piece of the response apart; false when it needs more bytes or has ended.
bool HttpResponseReader::step() {
    std::string line;
    switch (stage_) {
    case Stage::StatusLine:
        return takeLine(line) && statusLine(line);
    case Stage::Headers:
        return takeLine(line) && (line.empty() ? endOfHead() : header(line));
    case Stage::SizedBody:
    case Stage::ChunkData:
        return takeBodyBytes(left_);
    case Stage::ChunkSize:
        return takeLine(line) && chunkSize(line);
    case Stage::ChunkEnd:
        if (!takeLine(line)) return false;
        if (!line.empty()) return fail(kInvalid);
        stage_ = Stage::ChunkSize;
        return true;
    case Stage::Trailers:
        if (!takeLine(line)) return false;
        if (line.empty()) stage_ = Stage::Whole;
        return true;
    case Stage::UntilClose:
        return takeBodyBytes(pending_.size() - taken_);
    case Stage::Whole:
    case Stage::Failed:
        return false;
    }
    return false;
}

// The next line without its CR LF (or bare LF); false while it has not arrived whole. The line
// and everything framing the body before it count against the bound.
bool HttpResponseReader::takeLine(std::string& line) {
    const std::size_t end = pending_.find('\n', std::max(taken_, scannedFrom_));
    if (end == std::string::npos) {
        scannedFrom_ = pending_.size();
        if (framingBytes_ + (pending_.size() - taken_) > maxBytes_) fail(kTooLarge);
        return false;
    }
    const std::size_t length = end - taken_;
    framingBytes_ += length + 1;
    if (framingBytes_ > maxBytes_) return fail(kTooLarge);
    line.assign(pending_, taken_, length > 0 && pending_[end - 1] == '\r' ? length - 1 : length);
    taken_ = end + 1;
    return true;
}

// "HTTP/1.1 200 OK"; blank lines before it are passed over.
bool HttpResponseReader::statusLine(std::string_view line) {
    if (line.empty()) return true;
    std::size_t status = 0;
    if (!line.starts_with("HTTP/1.") || line.size() < 12 || line[8] != ' ' ||
        !wholeNumber(line.substr(9, 3), 10, status) || (line.size() > 12 && line[12] != ' '))
        return fail(kInvalid);
    status_ = static_cast<int>(status);
    location_.clear();
    chunked_ = false;
    sized_ = false;
    stage_ = Stage::Headers;
    return true;
}

bool HttpResponseReader::header(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) return fail(kInvalid);
    const std::string name = basic::lcase(line.substr(0, colon));
    const std::string_view value = trimmed(line.substr(colon + 1));
    if (name == "location") {
        location_ = value;
    } else if (name == "transfer-encoding") {
        // Only the chunked coding alone: any other would have to be undone to read the body.
        if (basic::lcase(value) != "chunked") return fail("unsupported transfer coding");
        chunked_ = true;
    } else if (name == "content-encoding") {
        // The request asks for the body as it is.
        if (basic::lcase(value) != "identity") return fail("unsupported content coding");
    } else if (name == "content-length") {
        std::size_t length = 0;
        if (!wholeNumber(value, 10, length) || (sized_ && length != left_)) return fail(kInvalid);
        sized_ = true;
        left_ = length;
    }
    return true;
}

// The empty line after the headers: an interim 1xx head is followed by the response's own; the
// body, if any, is framed as the headers say.
bool HttpResponseReader::endOfHead() {
    if (status_ >= 100 && status_ <= 199) {
        stage_ = Stage::StatusLine;
    } else if (status_ == 204 || status_ == 304) {
        stage_ = Stage::Whole;
    } else if (chunked_) {
        stage_ = Stage::ChunkSize;
    } else if (sized_) {
        if (left_ > maxBytes_) return fail(kTooLarge);
        stage_ = Stage::SizedBody;
    } else {
        stage_ = Stage::UntilClose;
    }
    return true;
}

// "1a3f", maybe followed by ";" and extensions; size 0 ends the body and trailers follow.
bool HttpResponseReader::chunkSize(std::string_view line) {
    std::size_t size = 0;
    if (!wholeNumber(trimmed(line.substr(0, line.find(';'))), 16, size)) return fail(kInvalid);
    if (size > maxBytes_ - body_.size()) return fail(kTooLarge);
    left_ = size;
    stage_ = size == 0 ? Stage::Trailers : Stage::ChunkData;
    return true;
}

// Up to `count` body bytes from what arrived; a sized body or a chunk that is complete moves on.
bool HttpResponseReader::takeBodyBytes(std::size_t count) {
    const std::size_t taken = std::min(count, pending_.size() - taken_);
    if (body_.size() + taken > maxBytes_) return fail(kTooLarge);
    body_.append(pending_, taken_, taken);
    taken_ += taken;
    if (stage_ == Stage::UntilClose) return false;
    left_ -= taken;
    if (left_ > 0) return false;
    stage_ = stage_ == Stage::ChunkData ? Stage::ChunkEnd : Stage::Whole;
    return true;
}

bool HttpResponseReader::fail(std::string_view error) {
    stage_ = Stage::Failed;
    error_ = error;
    pending_.clear();
    taken_ = 0;
    return false;
}

} // namespace platform
