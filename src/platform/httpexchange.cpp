#include "platform/httpexchange.h"

#include "platform/http.h"
#include "platform/qtext.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

namespace platform {
namespace {

// Qt reads no further ahead of us than this, so a response over the bound stops near it.
constexpr qint64 kReadBufferBytes = 64 * 1024;

// The body is asked for as it is; the connection closes after the response.
QByteArray requestFor(const QUrl& address) {
    QByteArray target = address.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty()) target = "/";
    if (address.hasQuery()) target += "?" + address.query(QUrl::FullyEncoded).toLatin1();
    return "GET " + target + " HTTP/1.1\r\nHost: " +
           address.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1() +
           "\r\nUser-Agent: " + QByteArray(kHttpAgent.data(), static_cast<qsizetype>(kHttpAgent.size())) +
           "\r\nAccept-Encoding: identity\r\nConnection: close\r\n\r\n";
}

} // namespace

HttpExchange exchangeGet(const QUrl& address, QDeadlineTimer deadline, std::size_t maxBytes) {
    HttpExchange exchange{HttpResponseReader(maxBytes), false, {}};
    const bool secure = address.scheme().toLower() == u"https";
    if (secure && !QSslSocket::supportsSsl()) {
        exchange.connectionError = "no TLS support";
        return exchange;
    }
    const std::unique_ptr<QTcpSocket> socket =
        secure ? std::make_unique<QSslSocket>() : std::make_unique<QTcpSocket>();
    socket->setProxy(QNetworkProxy::NoProxy);
    socket->setReadBufferSize(kReadBufferBytes);

    QEventLoop loop;
    bool ended = false;
    // What the socket signals afterwards (its own abort among it) changes nothing.
    const auto end = [&] {
        ended = true;
        socket->disconnect(&loop);
        loop.quit();
    };
    HttpResponseReader& response = exchange.response;
    const auto readArrived = [&] {
        while (socket->bytesAvailable() > 0 && !response.whole() && !response.failed()) {
            const QByteArray piece = socket->read(kReadBufferBytes);
            response.take(std::string_view(piece.constData(), static_cast<std::size_t>(piece.size())));
        }
        if (response.whole() || response.failed()) end();
    };
    // A TLS connection that the server closes reports it as an error, without a disconnect.
    const auto serverClosed = [&] {
        readArrived();
        if (ended) return;
        response.closed();
        end();
    };
    QObject::connect(socket.get(), &QTcpSocket::readyRead, &loop, readArrived);
    QObject::connect(socket.get(), &QTcpSocket::disconnected, &loop, serverClosed);
    QObject::connect(socket.get(), &QTcpSocket::errorOccurred, &loop,
                     [&](QAbstractSocket::SocketError error) {
                         if (error == QAbstractSocket::RemoteHostClosedError) return serverClosed();
                         exchange.connectionError = fromQString(socket->errorString());
                         end();
                     });
    const QByteArray request = requestFor(address);
    const auto send = [&] { socket->write(request); };
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
        exchange.timedOut = true;
        end();
    });
    limit.start(static_cast<int>(deadline.remainingTime()));

    if (secure) {
        auto* tls = static_cast<QSslSocket*>(socket.get());
        QObject::connect(tls, &QSslSocket::encrypted, &loop, send);
        tls->connectToHostEncrypted(address.host(), static_cast<quint16>(address.port(443)));
    } else {
        QObject::connect(socket.get(), &QTcpSocket::connected, &loop, send);
        socket->connectToHost(address.host(), static_cast<quint16>(address.port(80)));
    }
    if (!ended) loop.exec(QEventLoop::ExcludeUserInputEvents);
    socket->disconnect(&loop);
    socket->abort();
    return exchange;
}

} // namespace platform
