#pragma once
// One GET over a connection of its own, on the GUI thread: the request, then the response read
// into an HttpResponseReader until it is whole or has failed, the connection fails or the
// deadline passes. The window waits meanwhile: user input is held back.

#include "platform/httpresponse.h"

#include <QDeadlineTimer>
#include <QUrl>
#include <string>

namespace platform {

struct HttpExchange {
    HttpResponseReader response;
    bool timedOut = false;
    std::string connectionError; // the network's own text, when the connection failed
};

// `address` is fetchable (httpaddress.h); the connection goes to it directly, without a proxy.
HttpExchange exchangeGet(const QUrl& address, QDeadlineTimer deadline, std::size_t maxBytes);

} // namespace platform
