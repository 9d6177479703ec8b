#include "routes/googlewindow.h"

#include "window/resume.h"
#include "platform/hourglass.h"
#include "platform/screen.h"

namespace routes {
namespace {

constexpr int kEnter = 13;
constexpr double kTopBar = 360; // the address box and the two labels above the page

} // namespace

GoogleWindow::GoogleWindow(platform::Form& mainWindow, std::string pagePath)
    : platform::Form("google"), wb2(platform::makeWebBrowser(*this, "wb2")), Text1(*this, "Text1"),
      Label1(*this, "Label1"), Label2(*this, "Label2"), mainWindow_(mainWindow), pagePath_(std::move(pagePath)) {
    setCaption("Goolgle Map");
    Text1.move(60, 45, 9000, 285);
    Label1.setCaption("Print");
    Label1.move(9240, 60, 600, 255);
    Label2.setCaption("Close");
    Label2.move(9960, 60, 600, 255);

    onLoad = [this] {
        pageShown_ = false;
        setWindowState(2);
    };
    onActivate = [this] { showPageOnce(); };
    onUnload = [this] {
        stopLoading();
        core::resumeNext([&] { mainWindow_.setWindowState(2); });
    };
    Label1.onMouseDown = [this](int, int, double, double) { wb2->printPreview(); };
    Label2.onClick = [this] { unload(); };
    Text1.onKeyPress = [this](int& keyAscii) {
        if (keyAscii == kEnter) wb2->navigate(Text1.text());
    };
    wb2->onDocumentComplete = [this](const std::string& address) {
        if (address.find("http") != std::string::npos) Text1.setText(address);
    };
}

void GoogleWindow::showPageOnce() {
    if (pageShown_) return;
    pageShown_ = true;
    const platform::ScreenSize screen = platform::screenSize();
    wb2->move(0, kTopBar, screen.widthTwips, std::max(0, screen.heightTwips - 500));
    stopLoading();
    wb2->navigate(pagePath_);
}

// Ends any load and empties the browser, without waiting for it.
void GoogleWindow::stopLoading() {
    wb2->stop();
    platform::hourglassOff();
}

} // namespace routes
