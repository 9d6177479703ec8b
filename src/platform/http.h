#pragma once
// Fetching a small resource over HTTP on the GUI thread, with a time limit. The window waits
// meanwhile: user input is held back until the transfer ends.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The agent name the system introduces itself with.
inline constexpr std::string_view kHttpAgent = "vb wininet";

// Redirects followed before the transfer counts as failed.
inline constexpr int kHttpMaxRedirects = 5;

struct HttpResult {
    bool ok = false;   // a whole response arrived, or the server's error page
    int status = 0;    // its HTTP status (200, 404, ...), 0 without a response
    std::string body;  // its bytes, unconverted
    std::string error; // why no response arrived: "timed out", the network's own text, ...
};

// GET `url` (http or https) directly, without a proxy and without caching the response; up to
// kHttpMaxRedirects redirects are followed, never from https to http. An error page (404 and
// the like) is a response: ok with its status and body. A transfer that fails otherwise (a body
// in a coding it did not ask for, a connection closed before the body was whole) is not. No
// response within `timeoutMs` aborts the transfer with the error "timed out"; a body beyond
// `maxBytes`, or status and header lines beyond it, abort it with the error "too large" while
// they arrive, so no more than about twice `maxBytes` is held.
HttpResult httpGet(const std::string& url, int timeoutMs, std::size_t maxBytes = SIZE_MAX);

} // namespace platform
