// The web-map window with a real web view: the written page loads, the address box goes where
// it is told and shows only web addresses, and nothing waits for a page that never completes.
#include "core/window_fixture.h"
#include "platform/dialogs_scripted.h"
#include "platform/webbrowser.h"
#include "routes/googlewindow.h"
#include "routes/webmap.h"
#include "support/cannedserver.h"
#include "webview/webenginebrowser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace routes::testing {
namespace {

using testsupport::CannedServer;
using testsupport::response;

constexpr int kEnter = 13;

class GoogleWindowTest : public core::testing::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        webview::installWebEngineBrowser();
        ASSERT_TRUE(platform::webBrowsersAvailable()) << "web views cannot start in this environment";
    }
    void TearDown() override {
        platform::setWebBrowserFactory(nullptr);
        WindowTest::TearDown();
    }

    // The window showing the page written for a loaded map, and every completed address after.
    GoogleWindow& openWindow() {
        core::MapWindow& map = load();
        window_map_ = &map;
        map.global.viewZoom = 1.4f;
        map.data.mapLon0 = 6.5f;
        map.data.mapLat0 = 52.1f;
        map.data.mapScale = 30000;
        map.data.mapRead = true;
        mint_Click(map, 2);
        auto& window = static_cast<GoogleWindow&>(*map.google);
        auto shown = window.wb2->onDocumentComplete;
        window.wb2->onDocumentComplete = [this, shown](const std::string& address) {
            completed_.push_back(address);
            shown(address);
        };
        return window;
    }

    // Lets events run until `n` documents have completed or the limit passes.
    bool waitForDocuments(size_t n, int limitMs = 5000) {
        QElapsedTimer clock;
        clock.start();
        while (completed_.size() < n && clock.elapsed() < limitMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return completed_.size() >= n;
    }

    std::vector<std::string> completed_;
    core::MapWindow* window_map_ = nullptr;
};

TEST_F(GoogleWindowTest, TheWrittenPageLoadsAndTheAddressBoxShowsOnlyWebAddresses) {
    GoogleWindow& window = openWindow();
    window.onActivate(); // the first activation shows the page; a second one changes nothing
    window.onActivate();
    ASSERT_TRUE(waitForDocuments(1)) << "the page did not load within 5 s";
    EXPECT_NE(completed_.back().find("googmap.html"), std::string::npos) << completed_.back();
    EXPECT_EQ(window.Text1.text(), "");
    EXPECT_EQ(window.wb2->left(), 0);

    CannedServer server;
    server.answer("/x.html", response("200 OK", "<html><body>x</body></html>", "Content-Type: text/html\r\n"));
    window.Text1.setText(server.url("/x.html"));
    int key = kEnter;
    window.Text1.onKeyPress(key);
    ASSERT_TRUE(waitForDocuments(completed_.size() + 1));
    EXPECT_EQ(window.Text1.text(), server.url("/x.html"));

    // Enter on an empty box goes nowhere.
    const size_t before = completed_.size();
    window.Text1.setText("");
    window.Text1.onKeyPress(key);
    EXPECT_FALSE(waitForDocuments(before + 1, 500));
    EXPECT_EQ(window.Text1.text(), "");
}

TEST_F(GoogleWindowTest, APageOpensNoWindowOfItsOwnAndPrintAsksForAPreview) {
    GoogleWindow& window = openWindow();
    CannedServer server;
    server.answer("/popup.html", response("200 OK", "<html><body><script>window.open('about:blank');"
                                                    "alert('no boxes');</script></body></html>",
                                          "Content-Type: text/html\r\n"));
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    window.wb2->navigate(server.url("/popup.html"));
    ASSERT_TRUE(waitForDocuments(1));
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);

    platform::raiseMouse(window.Label1, platform::MouseAction::Down, platform::kLeftButton, 0, 10, 10);
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].kind, platform::DialogKind::PrintPreview);
}

TEST_F(GoogleWindowTest, CloseWorksWhileAPageNeverCompletes) {
    GoogleWindow& window = openWindow();
    core::MapWindow& map = *window_map_;
    map.form.setWindowState(0);
    CannedServer server; // "/silent" never answers
    window.wb2->navigate(server.url("/silent"));
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    window.Label2.onClick();
    EXPECT_FALSE(window.visible());
    EXPECT_FALSE(window.loaded());
    EXPECT_EQ(map.form.windowState(), 2);
}

} // namespace
} // namespace routes::testing
