// HTTP against a server in this process on 127.0.0.1; nothing here reaches further.
#include "platform/http.h"
#include "platform/httpaddress.h"
#include "support/cannedserver.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <map>

namespace platform {
namespace {

using testsupport::CannedServer;
using testsupport::response;

TEST(ServicesHttp, OkResponseGivesTheBodyAndTheSystemsAgent) {
    CannedServer server;
    server.answer("/version.txt", response("200 OK", "1.972\r\nsecond line\r\n"));
    HttpResult result = httpGet(server.url("/version.txt"), 5000);
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.status, 200);
    EXPECT_EQ(result.body, "1.972\r\nsecond line\r\n");
    EXPECT_EQ(result.error, "");
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_TRUE(server.requests()[0].startsWith("GET /version.txt HTTP/1.1\r\n"));
    EXPECT_TRUE(server.requests()[0].contains("\r\nUser-Agent: vb wininet\r\n"))
        << server.requests()[0].data();
}

TEST(ServicesHttp, LongBinaryBodyArrivesWholeAndInOrder) {
    QByteArray body;
    for (int i = 0; i < 100000; ++i)
        body.append(static_cast<char>((i * 7) % 256));
    CannedServer server;
    server.answer("/big", response("200 OK", body));
    HttpResult result = httpGet(server.url("/big"), 5000);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.body.size(), static_cast<size_t>(body.size()));
    EXPECT_TRUE(result.body == body.toStdString());

    // A body beyond the reader's limit ends the transfer instead of filling memory.
    HttpResult capped = httpGet(server.url("/big"), 5000, 50000);
    EXPECT_FALSE(capped.ok);
    EXPECT_EQ(capped.error, "too large");
    EXPECT_TRUE(capped.body.empty());
}

TEST(ServicesHttp, AFastFloodIsCutOffNearTheLimit) {
    constexpr qint64 kFlood = qint64(256) << 20;
    CannedServer server;
    server.flood("/flood", kFlood);
    QElapsedTimer clock;
    clock.start();
    HttpResult result = httpGet(server.url("/flood"), 5000, 1 << 20);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "too large");
    // Only the socket buffers lie between the limit and the server: it is stopped far short of
    // the whole reply instead of having it read into memory.
    EXPECT_LT(server.accepted(), kFlood / 8);
    EXPECT_LT(clock.elapsed(), 5000);
}

// The cap holds the header lines and the body alike, whichever way the body's end is told: a
// body of exactly the cap is a response, one byte more is refused; endless header lines are cut
// off near the cap at once instead of filling memory until the time limit.
TEST(ServicesHttp, HeaderLinesAndTheBodyAreEachHeldToTheCap) {
    const QByteArray body(5000, 'b');
    const auto headed = [](int lines) {
        return "HTTP/1.1 200 OK\r\n" + QByteArray("X-Filler: " + QByteArray(1014, 'x') + "\r\n").repeated(lines) +
               "Content-Length: 2\r\n\r\nok";
    };
    CannedServer server;
    server.answer("/sized", response("200 OK", body));
    server.answer("/chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1387\r\n" + body.left(4999) +
                                  "\r\n1;last\r\nb\r\n0\r\nX-Trailer: t\r\n\r\n");
    server.answer("/untilclose", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + body);
    server.answer("/headers-512k", headed(512));
    server.answer("/headers-2m", headed(2048));
    constexpr qint64 kEndless = qint64(256) << 20;
    server.flood("/headers-endless", kEndless, CannedServer::Flood::HeaderLines);
    const struct {
        const char* path;
        std::size_t cap;
        const char* error; // empty: a response
    } rows[] = {{"/sized", 5000, ""},          {"/sized", 4999, "too large"},      {"/chunked", 5000, ""},
                {"/chunked", 4999, "too large"}, {"/untilclose", 5000, ""},      {"/untilclose", 4999, "too large"},
                {"/headers-512k", 1 << 20, ""}, {"/headers-2m", 1 << 20, "too large"},
                {"/headers-endless", 1 << 20, "too large"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.path) + " " + std::to_string(row.cap));
        QElapsedTimer clock;
        clock.start();
        const HttpResult result = httpGet(server.url(row.path), 5000, row.cap);
        EXPECT_LT(clock.elapsed(), 2000);
        EXPECT_EQ(result.error, row.error);
        if (result.ok) EXPECT_TRUE(result.body == (row.cap == 5000 ? body.toStdString() : "ok"));
    }
    EXPECT_LT(server.accepted(), kEndless / 8);
}

TEST(ServicesHttp, ABodyThatDoesNotArriveWholeIsNoResponse) {
    CannedServer server;
    server.answer("/gzip", response("200 OK", "not gzip at all", "Content-Encoding: gzip\r\n"));
    server.answer("/deflate", response("200 OK", "not deflate either", "Content-Encoding: deflate\r\n"));
    server.answer("/short", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\ncut short");
    for (const char* path : {"/gzip", "/deflate", "/short"}) {
        HttpResult result = httpGet(server.url(path), 5000);
        EXPECT_FALSE(result.ok) << path;
        EXPECT_NE(result.error, "") << path;
    }
}

TEST(ServicesHttp, ErrorPageIsAResponseWithItsStatus) {
    CannedServer server;
    server.answer("/missing", response("404 Not Found", "no such file"));
    HttpResult result = httpGet(server.url("/missing"), 5000);
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.status, 404);
    EXPECT_EQ(result.body, "no such file");
}

TEST(ServicesHttp, RedirectsAreFollowedAFewTimes) {
    CannedServer server;
    server.answer("/old", response("302 Found", "moved to /version.txt", "Location: /version.txt\r\n"));
    server.answer("/version.txt", response("200 OK", "1.971"));
    server.answer("/loop", response("302 Found", "", "Location: /loop\r\n"));

    HttpResult moved = httpGet(server.url("/old"), 5000);
    EXPECT_TRUE(moved.ok) << moved.error;
    EXPECT_EQ(moved.status, 200);
    EXPECT_EQ(moved.body, "1.971");

    HttpResult loop = httpGet(server.url("/loop"), 5000);
    EXPECT_FALSE(loop.ok);
    EXPECT_NE(loop.error, "");
    EXPECT_NE(loop.error, "timed out");
}

TEST(ServicesHttp, RedirectsLeadOnlyToHttpOrHttpsAndNeverFromHttpsToHttp) {
    struct Row {
        const char* from;
        const char* location;
        const char* to; // empty: refused
    };
    const Row rows[] = {
        {"https://a.example/x/y", "z?q=1", "https://a.example/x/z?q=1"},
        {"https://a.example/x", "http://b.example/", ""},
        {"https://a.example/x", "//b.example/", "https://b.example/"},
        {"http://a.example/x", "https://b.example/", "https://b.example/"},
        {"http://a.example/x", "ftp://b.example/", ""},
    };
    for (const Row& row : rows) {
        const std::optional<QUrl> to = redirectTarget(QUrl(row.from), row.location);
        EXPECT_EQ(to ? to->toString().toStdString() : "", row.to) << row.from << " " << row.location;
    }
}

TEST(ServicesHttp, SilentServerTimesOutWithinTheLimit) {
    CannedServer server; // knows no path, so it never answers
    QElapsedTimer clock;
    clock.start();
    HttpResult result = httpGet(server.url("/version.txt"), 300);
    qint64 elapsed = clock.elapsed();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.error, "timed out");
    EXPECT_GE(elapsed, 290);
    EXPECT_LT(elapsed, 300 + 1500);
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST(ServicesHttp, RefusedConnectionIsAnError) {
    quint16 port;
    {
        QTcpServer closed;
        ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
        port = closed.serverPort();
    }
    QElapsedTimer clock;
    clock.start();
    HttpResult result = httpGet("http://127.0.0.1:" + std::to_string(port) + "/version.txt", 5000);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.error, "");
    EXPECT_NE(result.error, "timed out");
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST(ServicesHttp, BadRequestsFailWithoutATransfer) {
    struct Row {
        std::string url;
        int timeoutMs;
        std::string error;
    };
    const Row rows[] = {
        {"", 1000, "invalid address"},
        {"not an address", 1000, "invalid address"},
        {"http://", 1000, "invalid address"},
        {"ftp://127.0.0.1/version.txt", 1000, "invalid address"},
        {"file:///etc/hostname", 1000, "invalid address"},
        {"http://127.0.0.1:1/version.txt", 0, "invalid time limit"},
        {"http://127.0.0.1:1/version.txt", -5, "invalid time limit"},
    };
    for (const Row& row : rows) {
        HttpResult result = httpGet(row.url, row.timeoutMs);
        EXPECT_FALSE(result.ok) << row.url;
        EXPECT_EQ(result.error, row.error) << row.url;
    }
}

} // namespace
} // namespace platform
