#pragma once
// An HTTP server in the test's own process on 127.0.0.1, answering canned responses by path; a
// path it does not know gets no answer at all (a server that never answers).

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
        auto found = responses_.find(path);
        if (found == responses_.end()) return;
        socket->write(found->second);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    std::map<QByteArray, QByteArray> responses_;
    std::map<QTcpSocket*, QByteArray> buffers_;
    std::vector<QByteArray> requests_;
};

} // namespace testsupport
