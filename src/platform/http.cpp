#include "platform/http.h"

#include "platform/qtext.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

namespace platform {
namespace {

HttpResult failure(std::string error) {
    HttpResult result;
    result.error = std::move(error);
    return result;
}

// Errors of the network and the proxy (codes below 200) leave no usable response; the others
// are the server's answers (404, 500, ...), which carry a status and a body.
bool answered(QNetworkReply::NetworkError error) {
    return error == QNetworkReply::NoError || error >= QNetworkReply::ContentAccessDenied;
}

} // namespace

HttpResult httpGet(const std::string& url, int timeoutMs, std::size_t maxBytes) {
    if (!QCoreApplication::instance()) return failure("no application event loop");
    if (timeoutMs <= 0) return failure("invalid time limit");
    QUrl address(bytesToQString(url), QUrl::StrictMode);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || address.host().isEmpty() || (scheme != u"http" && scheme != u"https")) {
        return failure("invalid address");
    }

    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromLatin1(kHttpAgent));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kHttpMaxRedirects);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);

    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    bool timedOut = false;
    QObject::connect(&limit, &QTimer::timeout, reply, [&timedOut, reply] {
        timedOut = true;
        reply->abort();
    });
    bool tooLarge = false;
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [&tooLarge, reply, maxBytes](qint64 received, qint64) {
        if (received >= 0 && static_cast<std::uint64_t>(received) > maxBytes && !tooLarge) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    limit.start(timeoutMs);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    limit.stop();

    HttpResult result;
    QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (timedOut) {
        result.error = "timed out";
    } else if (tooLarge) {
        result.error = "too large";
    } else if (status.isValid() && answered(reply->error())) {
        result.ok = true;
        result.status = status.toInt();
        QByteArray body = reply->readAll();
        result.body.assign(body.constData(), static_cast<size_t>(body.size()));
    } else {
        result.error = fromQString(reply->errorString());
    }
    delete reply;
    return result;
}

} // namespace platform
