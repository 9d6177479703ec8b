#include "webview/webenginebrowser.h"

#include "platform/container.h"
#include "platform/control_hooked.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/qtext.h"
#include "platform/webbrowser.h"

#include <QEventLoop>
#include <QPrinter>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace webview {
namespace {

// The longest the print preview waits for the engine to lay out the page for the printer.
constexpr int kPrintLimitMs = 30000;

// A page that stays silent: no script dialogs, no console output, no new windows.
class SilentPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    void javaScriptAlert(const QUrl&, const QString&) override {}
    bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
    bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override { return false; }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int, const QString&) override {}
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
};

class WebEngineBrowser : public platform::WebBrowser {
public:
    WebEngineBrowser(platform::Container& container, std::string name)
        : platform::WebBrowser(container, std::move(name)) {
        view_ = new platform::Hooked<QWebEngineView>(*this, container.host());
        view_->setPage(new SilentPage(view_));
        QObject::connect(view_, &QWebEngineView::loadStarted, signalContext(), [this] { busy_ = true; });
        QObject::connect(view_, &QWebEngineView::loadFinished, signalContext(), [this](bool) {
            busy_ = false;
            if (onDocumentComplete) onDocumentComplete(platform::fromQString(view_->url().toString()));
        });
        attachWidget(view_);
    }

    // The view and its page go now, not at the next event loop run: a page that outlives the
    // web engine's profile (at the program's end) takes the engine down with it.
    ~WebEngineBrowser() override {
        view_->detachControl();
        QObject::disconnect(view_, nullptr, nullptr, nullptr); // no more completions reach the control
        view_->stop();
        delete view_;
    }

    void navigate(const std::string& target) override {
        if (target.empty()) return;
        QUrl url = target.rfind("about:", 0) == 0 ? QUrl(platform::bytesToQString(target)) : platform::desktopUrl(target);
        if (url.isValid()) view_->setUrl(url);
    }

    void stop() override {
        view_->stop();
        view_->setUrl(QUrl(QStringLiteral("about:blank")));
    }

    void printPreview() override {
        platform::dialogs().printPreview([this](QPrinter& printer) {
            QEventLoop done;
            QTimer limit;
            limit.setSingleShot(true);
            QObject::connect(&limit, &QTimer::timeout, &done, &QEventLoop::quit);
            QObject::connect(view_, &QWebEngineView::printFinished, &done, &QEventLoop::quit);
            view_->print(&printer);
            limit.start(kPrintLimitMs);
            done.exec();
        });
    }

    bool busy() const override { return busy_; }

private:
    platform::Hooked<QWebEngineView>* view_ = nullptr;
    bool busy_ = false;
};

} // namespace

void installWebEngineBrowser() {
    platform::setWebBrowserFactory([](platform::Container& container, std::string name) {
        return std::unique_ptr<platform::WebBrowser>(new WebEngineBrowser(container, std::move(name)));
    });
}

} // namespace webview
