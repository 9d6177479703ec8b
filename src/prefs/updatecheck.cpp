#include "prefs/updatecheck.h"

#include "basic/fault.h"
#include "basic/val.h"
#include "window/webaddresses.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/http.h"

namespace prefs {
namespace {

constexpr std::size_t kMaxBodyBytes = 1 << 20;

struct UpdateSource {
    std::string address{core::web::kUpdateFile};
    int timeLimitMs = kUpdateTimeLimitMs;
};

UpdateSource& source() {
    static UpdateSource current;
    return current;
}

} // namespace

void setUpdateSource(std::string address, int timeLimitMs) {
    source() = {std::move(address), timeLimitMs};
}

std::string DownloadText(const std::string& address) {
    platform::HttpResult result = platform::httpGet(address, source().timeLimitMs, kMaxBodyBytes);
    // Only a success is the file: an error page ("404 Not Found") would read as a version.
    if (!result.ok || result.status < 200 || result.status > 299) {
        platform::dialogs().msgBox("Error opening Web page", platform::msgbox::OkOnly);
        return {};
    }
    return std::move(result.body);
}

bool CheckForUpdate(basic::Single progVersion) {
    try {
        platform::doEvents();
        const std::string text = DownloadText(source().address);
        platform::doEvents();
        if (text.empty()) return false;
        const std::string_view firstLine = std::string_view(text).substr(0, text.find("\r\n"));
        return basic::csng(basic::val(firstLine)) > progVersion;
    } catch (const basic::RuntimeFault&) {
        return false; // errors are skipped: no update
    }
}

} // namespace prefs
