#include "platform/httpaddress.h"

#include <QString>

namespace platform {

bool fetchable(const QUrl& address) {
    const QString scheme = address.scheme().toLower();
    return address.isValid() && !address.host().isEmpty() && (scheme == u"http" || scheme == u"https");
}

std::optional<QUrl> redirectTarget(const QUrl& from, std::string_view location) {
    const QUrl to =
        from.resolved(QUrl(QString::fromUtf8(location.data(), static_cast<qsizetype>(location.size()))));
    const bool lessSafe = from.scheme().toLower() == u"https" && to.scheme().toLower() != u"https";
    if (!fetchable(to) || lessSafe) return std::nullopt;
    return to;
}

} // namespace platform
