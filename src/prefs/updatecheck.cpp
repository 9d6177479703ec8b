#include "prefs/updatecheck.h"

#include "basic/fault.h"
#include "basic/val.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/http.h"
#include "window/webaddresses.h"

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

// The version line: after a UTF-8 byte-order mark, up to a CR LF or a lone LF. A line feed left
// in it would be passed over by val, joining the next line's digits to the version.
std::string_view versionLine(std::string_view text) {
    constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    std::string_view line = text.substr(0, text.find('\n'));
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
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
        return basic::csng(basic::val(versionLine(text))) > progVersion;
    } catch (const basic::RuntimeFault&) {
        return false; // errors are skipped: no update
    }
}

} // namespace prefs
