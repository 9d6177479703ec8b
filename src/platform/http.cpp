#include "platform/http.h"

#include "platform/httpaddress.h"
#include "platform/httpexchange.h"
#include "platform/qtext.h"

#include <QCoreApplication>

namespace platform {
namespace {

HttpResult failure(std::string error) {
    HttpResult result;
    result.error = std::move(error);
    return result;
}

bool isRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

// Our own GET rather than Qt's network access, which keeps every header line a server sends
// and offers no bound on them.
HttpResult httpGet(const std::string& url, int timeoutMs, std::size_t maxBytes) {
    if (!QCoreApplication::instance()) return failure("no application event loop");
    if (timeoutMs <= 0) return failure("invalid time limit");
    QUrl address(bytesToQString(url), QUrl::StrictMode);
    if (!fetchable(address)) return failure("invalid address");

    const QDeadlineTimer deadline(timeoutMs, Qt::PreciseTimer);
    for (int redirects = 0;; ++redirects) {
        HttpExchange exchange = exchangeGet(address, deadline, maxBytes);
        HttpResponseReader& response = exchange.response;
        if (exchange.timedOut) return failure("timed out");
        if (!response.whole())
            return failure(response.failed() ? response.error() : exchange.connectionError);
        if (isRedirect(response.status()) && !response.location().empty()) {
            if (redirects == kHttpMaxRedirects) return failure("too many redirects");
            const std::optional<QUrl> next = redirectTarget(address, response.location());
            if (!next) return failure("redirect refused");
            address = *next;
            continue;
        }
        HttpResult result;
        result.ok = true;
        result.status = response.status();
        result.body = response.takeBody();
        return result;
    }
}

} // namespace platform
