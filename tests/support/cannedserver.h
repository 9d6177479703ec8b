#pragma once
// An HTTP server in the test's own process on 127.0.0.1, answering canned responses by path; a
// path it does not know gets no answer at all (a server that never answers). One path may flood
// its client with a long body or long header lines instead.

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace testsupport {

inline QByteArray response(const char* status, const QByteArray& body, const QByteArray& extraHeaders = {}) {
    return QByteArray("HTTP/1.1 ") + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
}

// Serves canned responses by path; a path it does not know gets no answer at all.
class CannedServer {
public:
    CannedServer() {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
            }
        });
    }

    void answer(const QByteArray& path, QByteArray canned) { responses_[path] = std::move(canned); }
    enum class Flood { Body, HeaderLines };
    // Answers `path` with a 200 reply whose chunked body, or whose header lines (a body "ok"
    // follows them), come to `totalBytes`, written as fast as the socket takes them; accepted()
    // counts the bytes the socket took, which is how far the client let it get.
    void flood(const QByteArray& path, qint64 totalBytes, Flood kind = Flood::Body) {
        floodPath_ = path;
        floodLeft_ = totalBytes;
        floodKind_ = kind;
    }
    qint64 accepted() const { return accepted_; }
    std::string url(const char* path) const {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
    }
    const std::vector<QByteArray>& requests() const { return requests_; }

private:
    void serve(QTcpSocket* socket) {
        QByteArray& pending = buffers_[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n")) return;
        requests_.push_back(pending);
        QByteArray path = pending.split(' ').value(1);
        pending.clear();
        if (path == floodPath_) return startFlood(socket);
        auto found = responses_.find(path);
        if (found == responses_.end()) return;
        socket->write(found->second);
        socket->disconnectFromHost();
    }

    void startFlood(QTcpSocket* socket) {
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [this, socket](qint64 written) {
            accepted_ += written;
            refillFlood(socket);
        });
        const bool body = floodKind_ == Flood::Body;
        socket->write(body ? "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n"
                           : "HTTP/1.1 200 OK\r\nConnection: close\r\n");
        refillFlood(socket);
    }

    // Keeps two pieces queued until the flood is out, then ends the reply.
    void refillFlood(QTcpSocket* socket) {
        static const QByteArray chunk = "100000\r\n" + QByteArray(0x100000, 'x') + "\r\n";
        static const QByteArray lines =
            QByteArray("X-Filler: " + QByteArray(1012, 'x') + "\r\n").repeated(64);
        const bool body = floodKind_ == Flood::Body;
        const QByteArray& piece = body ? chunk : lines;
        while (floodLeft_ > 0 && socket->bytesToWrite() < 2 * piece.size()) {
            socket->write(piece);
            floodLeft_ -= body ? 0x100000 : lines.size();
            if (floodLeft_ <= 0) socket->write(body ? "0\r\n\r\n" : "Content-Length: 2\r\n\r\nok");
        }
        if (floodLeft_ <= 0) socket->disconnectFromHost();
    }

    QTcpServer server_;
    std::map<QByteArray, QByteArray> responses_;
    std::map<QTcpSocket*, QByteArray> buffers_;
    std::vector<QByteArray> requests_;
    QByteArray floodPath_;
    qint64 floodLeft_ = 0;
    Flood floodKind_ = Flood::Body;
    qint64 accepted_ = 0;
};

} // namespace testsupport
