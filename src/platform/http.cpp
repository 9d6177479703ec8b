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

// Qt reads no further ahead of us than this, so a body over the limit stops near the limit.
constexpr qint64 kReadBufferBytes = 64 * 1024;

HttpResult failure(std::string error) {
    HttpResult result;
    result.error = std::move(error);
    return result;
}

// A transfer without error is an answer, and so is the server's error page (4xx, 5xx), which Qt
// reports as an error of its own. Any other error leaves no usable response: the network's, a
// body that does not decompress, a connection closed before the body was whole.
bool answered(QNetworkReply::NetworkError error, int status) {
    return error == QNetworkReply::NoError || (status >= 400 && status <= 599);
}

// Takes the body as it arrives, so that no more than the read buffer waits in Qt, and aborts the
// transfer once the body passes `maxBytes`.
class BodyReader {
public:
    BodyReader(QNetworkReply& reply, std::size_t maxBytes) : reply_(reply), maxBytes_(maxBytes) {}

    void takeArrived() {
        if (tooLarge_) return;
        const QByteArray arrived = reply_.readAll();
        body_.append(arrived.constData(), static_cast<std::size_t>(arrived.size()));
        if (body_.size() > maxBytes_) {
            tooLarge_ = true;
            reply_.abort();
        }
    }
    bool tooLarge() const { return tooLarge_; }
    std::string take() { return std::move(body_); }

private:
    QNetworkReply& reply_;
    std::size_t maxBytes_;
    std::string body_;
    bool tooLarge_ = false;
};

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
    reply->setReadBufferSize(kReadBufferBytes);
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    bool timedOut = false;
    QObject::connect(&limit, &QTimer::timeout, reply, [&timedOut, reply] {
        timedOut = true;
        reply->abort();
    });
    BodyReader reader(*reply, maxBytes);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&reader] { reader.takeArrived(); });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    limit.start(timeoutMs);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    limit.stop();

    reader.takeArrived(); // what arrived with the end of the transfer

    HttpResult result;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (timedOut) {
        result.error = "timed out";
    } else if (reader.tooLarge()) {
        result.error = "too large";
    } else if (status.isValid() && answered(reply->error(), status.toInt())) {
        result.ok = true;
        result.status = status.toInt();
        result.body = reader.take();
    } else {
        result.error = fromQString(reply->errorString());
    }
    delete reply;
    return result;
}

} // namespace platform
