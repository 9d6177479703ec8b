#pragma once
// The web-map window `google` ("Goolgle Map"): the browser `wb2` as wide as the screen and 500
// twips less high, the address box `Text1` (Enter goes to its address; it shows the addresses of
// completed documents that hold "http"), and the labels `Label1` "Print" (the page's print
// preview) and `Label2` "Close". Its first activation after each loading shows the page; closing
// it maximises the main window. Nothing waits for a page: "Close" works while one loads.

#include "platform/form.h"
#include "platform/lightweight_label.h"
#include "platform/webbrowser.h"
#include "platform/widgets_textbox.h"

#include <memory>
#include <string>

namespace routes {

class GoogleWindow : public platform::Form {
public:
    // Needs platform::webBrowsersAvailable().
    GoogleWindow(platform::Form& mainWindow, std::string pagePath);

    void setPagePath(std::string pagePath) { pagePath_ = std::move(pagePath); }
    // What the first activation after each loading does: place the browser and go to the page.
    // Showing the window runs it too, so the page shows also where no window manager activates
    // the window.
    void showPageOnce();
    platform::WebBrowser& browser() { return *wb2; }

    std::unique_ptr<platform::WebBrowser> wb2;
    platform::TextBox Text1;
    platform::LabelControl Label1;
    platform::LabelControl Label2;

private:
    // The system's name: wb2stop.
    void stopLoading();

    platform::Form& mainWindow_;
    std::string pagePath_;
    bool pageShown_ = false;
};

} // namespace routes
