#include "platform/desktop.h"

#include "platform/qtext.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>

namespace platform {
namespace {

std::unique_ptr<Desktop>& installed() {
    static std::unique_ptr<Desktop> instance;
    return instance;
}

// An address names its scheme ("https://", "file://", "mailto:"); anything else is a local
// file.
bool isAddress(const QString& target) {
    static const QRegularExpression address(QStringLiteral("^(?:[A-Za-z][A-Za-z0-9+.-]*://|mailto:)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return address.match(target).hasMatch();
}

} // namespace

QUrl desktopUrl(const std::string& target) {
    if (target.empty()) return {};
    QString text = bytesToQString(target);
    if (isAddress(text)) return QUrl(text);
    return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
}

bool QtDesktop::open(const std::string& target) {
    QUrl url = desktopUrl(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool RecordingDesktop::open(const std::string& target) {
    targets_.push_back(target);
    return desktopUrl(target).isValid();
}

Desktop& desktop() {
    auto& instance = installed();
    if (!instance) instance = std::make_unique<QtDesktop>();
    return *instance;
}

std::unique_ptr<Desktop> setDesktop(std::unique_ptr<Desktop> next) {
    std::swap(installed(), next);
    return next;
}

} // namespace platform
