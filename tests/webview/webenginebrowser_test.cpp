// The browser control on the web engine: local files and addresses load and report their
// completion; an empty target goes nowhere; stop empties the view without waiting.
#include "platform/form.h"
#include "platform/webbrowser.h"
#include "webview/webenginebrowser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace webview {
namespace {

TEST(WebEngineBrowserTest, LocalFilesLoadAndAnEmptyTargetGoesNowhere) {
    installWebEngineBrowser();
    platform::Form form("host");
    std::unique_ptr<platform::WebBrowser> browser = platform::makeWebBrowser(form, "wb2");
    ASSERT_NE(browser, nullptr);
    std::vector<std::string> completed;
    browser->onDocumentComplete = [&](const std::string& address) { completed.push_back(address); };
    auto waitFor = [&](size_t n) {
        QElapsedTimer clock;
        clock.start();
        while (completed.size() < n && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return completed.size() >= n;
    };

    QTemporaryDir folder;
    const QString page = folder.filePath("page.html");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body>local</body></html>");
    file.close();

    browser->navigate(page.toStdString());
    ASSERT_TRUE(waitFor(1));
    EXPECT_EQ(completed[0], "file://" + page.toStdString());
    EXPECT_FALSE(browser->busy());

    browser->navigate("");
    EXPECT_FALSE(browser->busy());
    browser->stop();
    ASSERT_TRUE(waitFor(2));
    EXPECT_EQ(completed[1], "about:blank");
    platform::setWebBrowserFactory(nullptr);
    EXPECT_EQ(platform::makeWebBrowser(form, "wb3"), nullptr);
}

} // namespace
} // namespace webview
