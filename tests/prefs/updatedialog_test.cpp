// The update dialog against a server of the test on 127.0.0.1, and the about box.
#include "platform/container.h"
#include "platform/dialogs_scripted.h"
#include "prefs/aboutbox.h"
#include "prefs/updatecheck.h"
#include "prefs/updatedialog.h"
#include "support/cannedserver.h"
#include "support/desktoprecording.h"
#include "support/showntexts.h"
#include "window/webaddresses.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace prefs {
namespace {

using testsupport::CannedServer;
using testsupport::response;

class UpdatTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto scripted = std::make_unique<platform::ScriptedDialogs>();
        dialogs_ = scripted.get();
        platform::setDialogs(std::move(scripted));
    }
    void TearDown() override {
        setUpdateSource(std::string(core::web::kUpdateFile), kUpdateTimeLimitMs);
        platform::setDialogs(nullptr);
    }

    // The result line of a dialog loaded against `url`.
    std::string resultFor(const std::string& url, int limitMs = 5000) {
        setUpdateSource(url, limitMs);
        UpdateDialog dialog;
        dialog.load();
        EXPECT_EQ(dialog.Label1.caption(), "Click here to check website");
        return dialog.Label2.caption();
    }

    std::vector<std::string> messages() const { return testsupport::shownTexts(*dialogs_); }

    platform::ScriptedDialogs* dialogs_ = nullptr;
    testsupport::DesktopRecording desktop_;
};

TEST_F(UpdatTest, TheFirstLinesLeadingNumberAgainstTheVersion) {
    const std::string blanksFirst = std::string(150, ' ') + "1.972" + std::string(145, ' ');
    const struct {
        QByteArray body;
        const char* shown;
    } cases[] = {
        {"1.972\r\n", "An Update is available."},
        {"1.971\r\nnews", "Current Version:1.971"},
        {"1.97", "Current Version:1.971"},
        {"2.0 beta\r\n", "An Update is available."},
        {"", "Current Version:1.971"},
        {"1.970\r\n9.999", "Current Version:1.971"},                           // only the first line counts
        {"version 2", "Current Version:1.971"},                                // no leading number
        {QByteArray::fromStdString(blanksFirst), "An Update is available."},   // read whole, in order
        {"1.971\n2026-01-01", "Current Version:1.971"},                        // a lone LF ends it too
        {QByteArray("\xEF\xBB\xBF") + "1.972\r\n", "An Update is available."}, // after a UTF-8 BOM
        // the first of several lines, after a BOM: the cut is where the line ends
        {QByteArray("\xEF\xBB\xBF") + "1.971\n2.0\n3.0\n", "Current Version:1.971"},
    };
    CannedServer server;
    for (const auto& c : cases) {
        server.answer("/version.txt", response("200 OK", c.body));
        EXPECT_EQ(resultFor(server.url("/version.txt")), c.shown) << c.body.constData();
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(UpdatTest, EveryFailedTransferSaysSoThenShowsTheCurrentVersion) {
    CannedServer server;
    server.answer("/missing", response("404 Not Found", "404 Not Found"));
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const std::string refused = "http://127.0.0.1:" + std::to_string(closed.serverPort()) + "/version.txt";
    closed.close();
    server.answer("/broken", response("200 OK", "not gzip at all", "Content-Encoding: gzip\r\n"));
    const std::string urls[] = {refused, server.url("/missing"), server.url("/silent"),
                                server.url("/broken")};
    for (const std::string& url : urls) {
        dialogs_->scriptMsgBox(platform::msgbox::Ok);
        EXPECT_EQ(resultFor(url, 300), "Current Version:1.971") << url;
    }
    EXPECT_EQ(messages(), std::vector<std::string>(std::size(urls), "Error opening Web page"));
}

TEST_F(UpdatTest, TheLinksHandOverTheirPagesAndCloseTheDialog) {
    CannedServer server;
    server.answer("/version.txt", response("200 OK", "1.971"));
    setUpdateSource(server.url("/version.txt"), 5000);
    UpdateDialog dialog;
    dialog.load();
    EXPECT_EQ(dialog.Label1.foreColor(), kLinkColour);
    platform::raiseMouse(dialog.Label1, platform::MouseAction::Move, 0, 0, 10, 10);
    EXPECT_EQ(dialog.Label1.foreColor(), kLinkHoverColour);
    dialog.onMouseMove(0, 0, 10, 10);
    EXPECT_EQ(dialog.Label1.foreColor(), kLinkColour);

    dialog.Command1.onClick();
    EXPECT_FALSE(dialog.loaded());
    dialog.load();
    platform::raiseMouse(dialog.Label1, platform::MouseAction::Down, platform::kLeftButton, 0, 10, 10);
    EXPECT_FALSE(dialog.loaded());
    EXPECT_EQ(desktop_.targets(), (std::vector<std::string>{std::string(core::web::kDownloadPage),
                                                            std::string(core::web::kWebPage)}));
}

TEST(InforTest, EachOpeningShowsTheVersionAndOkCloses) {
    AboutBox about;
    for (int opening = 0; opening < 2; ++opening) {
        about.load();
        about.onActivate();
        EXPECT_EQ(about.Label1.caption().rfind("Version 1.971", 0), 0u) << about.Label1.caption();
        EXPECT_EQ(about.Label6.caption(), "Beta");
        EXPECT_EQ(about.Label10.caption(), "Beta ");
        EXPECT_FALSE(about.Picture1.picture().isNull());
        about.Command1.onClick();
        EXPECT_FALSE(about.loaded());
    }
}

} // namespace
} // namespace prefs
