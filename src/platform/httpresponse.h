#pragma once
// One HTTP/1.1 response read as its bytes arrive: the status line and header lines (interim 1xx
// heads passed over), then the body as Content-Length, the chunked transfer coding or the end of
// the connection delimits it. What frames the body (the heads, chunk-size lines, trailers) and
// the body itself are each held to `maxBytes`, so a server cannot fill memory with either.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

class HttpResponseReader {
public:
    explicit HttpResponseReader(std::size_t maxBytes) : maxBytes_(maxBytes) {}

    // Takes the bytes that arrived; once the response is whole or has failed, nothing more.
    void take(std::string_view bytes);
    // The server closed the connection: a body that runs to the close is whole, anything else
    // was cut short.
    void closed();

    bool whole() const { return stage_ == Stage::Whole; }
    bool failed() const { return stage_ == Stage::Failed; }
    // Why it failed: "too large", or what was wrong with the response.
    const std::string& error() const { return error_; }

    int status() const { return status_; }
    // The Location header, for a redirect.
    const std::string& location() const { return location_; }
    std::string takeBody() { return std::move(body_); }

private:
    enum class Stage {
        StatusLine,
        Headers,
        SizedBody,
        ChunkSize,
        ChunkData,
        ChunkEnd,
        Trailers,
        UntilClose,
        Whole,
        Failed
    };

    bool step();
    bool takeLine(std::string& line);
    bool statusLine(std::string_view line);
    bool header(std::string_view line);
    bool endOfHead();
    bool chunkSize(std::string_view line);
    bool takeBodyBytes(std::size_t count);
    bool fail(std::string_view error);

    std::size_t maxBytes_;
    Stage stage_ = Stage::StatusLine;
    std::string pending_; // bytes arrived; those before taken_ are taken apart
    std::size_t taken_ = 0;
    std::size_t scannedFrom_ = 0; // where the search for the next line end goes on
    std::size_t framingBytes_ = 0;
    int status_ = 0;
    std::string location_;
    bool chunked_ = false;
    bool sized_ = false;
    std::size_t left_ = 0; // of the sized body or the current chunk
    std::string body_;
    std::string error_;
};

} // namespace platform
