#pragma once
// The addresses httpGet fetches, and where a redirect may lead.

#include <QUrl>
#include <optional>
#include <string_view>

namespace platform {

// http or https, with a host.
bool fetchable(const QUrl& address);

// The address a redirect from `from` to `location` (absolute or relative) leads to; none when
// it is not fetchable or would leave https for http.
std::optional<QUrl> redirectTarget(const QUrl& from, std::string_view location);

} // namespace platform
