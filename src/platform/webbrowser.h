#pragma once
// The web browser control: shows a page in a window of the program. It navigates to an address
// or a local file and reports each completed document; it never shows script error boxes and
// never opens a window of its own (pop-ups are refused). Navigation returns at once: nothing
// waits for a page, so a page that never completes blocks nothing.
//
// The control is made through a factory that the program installs at start-up (the web engine
// is a large library that only the program and the tests of the browser load). Without a
// factory, or where a web view cannot start, makeWebBrowser gives null and the caller hands the
// page to the desktop's browser instead.

#include "platform/control_windowed.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace platform {

class WebBrowser : public WindowedControl {
public:
    // A document finished loading; the address it was loaded from.
    std::function<void(const std::string& address)> onDocumentComplete;

    // An address with a scheme ("http://...", "about:blank") as it is, anything else as a local
    // file; an empty target does nothing.
    virtual void navigate(const std::string& target) = 0;
    // Ends the current load and empties the view, without waiting.
    virtual void stop() = 0;
    // The print preview of the shown page, through the Dialogs service.
    virtual void printPreview() = 0;
    // Whether a load is under way.
    virtual bool busy() const = 0;

protected:
    using WindowedControl::WindowedControl;
};

using WebBrowserFactory = std::function<std::unique_ptr<WebBrowser>(Container&, std::string name)>;

void setWebBrowserFactory(WebBrowserFactory factory);

// Whether makeWebBrowser can make a browser: a factory is installed and web views can start.
bool webBrowsersAvailable();

// A new browser control, or null when none can be made here.
std::unique_ptr<WebBrowser> makeWebBrowser(Container& container, std::string name);

// Whether a web view can start in this process. The web engine's sandbox cannot start for the
// root user, and without it the first view ends the whole process; the program never disables
// the sandbox itself, so as root it shows no web view unless the environment turned the sandbox
// off (QTWEBENGINE_DISABLE_SANDBOX, as the test runner does).
bool webViewsCanStart();
// For tests: answers in place of the real condition (nullopt: the real one again).
void overrideWebViewsCanStart(std::optional<bool> answer);

} // namespace platform
