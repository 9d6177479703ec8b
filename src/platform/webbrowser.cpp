#include "platform/webbrowser.h"

#include <cstdlib>
#include <string_view>
#include <unistd.h>

namespace platform {
namespace {

WebBrowserFactory& installedFactory() {
    static WebBrowserFactory factory;
    return factory;
}

std::optional<bool>& canStartOverride() {
    static std::optional<bool> answer;
    return answer;
}

bool sandboxTurnedOff() {
    const char* flag = std::getenv("QTWEBENGINE_DISABLE_SANDBOX");
    if (flag && *flag && std::string_view(flag) != "0") return true;
    const char* flags = std::getenv("QTWEBENGINE_CHROMIUM_FLAGS");
    return flags && std::string_view(flags).find("--no-sandbox") != std::string_view::npos;
}

} // namespace

void setWebBrowserFactory(WebBrowserFactory factory) {
    installedFactory() = std::move(factory);
}

bool webViewsCanStart() {
    if (canStartOverride()) return *canStartOverride();
    return geteuid() != 0 || sandboxTurnedOff();
}

void overrideWebViewsCanStart(std::optional<bool> answer) {
    canStartOverride() = answer;
}

bool webBrowsersAvailable() {
    return installedFactory() && webViewsCanStart();
}

std::unique_ptr<WebBrowser> makeWebBrowser(Container& container, std::string name) {
    if (!webBrowsersAvailable()) return nullptr;
    return installedFactory()(container, std::move(name));
}

} // namespace platform
