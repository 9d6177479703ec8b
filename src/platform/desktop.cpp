#include "platform/desktop.h"

#include "platform/control_dispatch.h"
#include "platform/dialogs.h"
#include "platform/qtext.h"

#include <QFileInfo>
#include <QProcess>
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

void tellNotOpened(const std::string& target) {
    runFromEventLoop([&] {
        dialogs().msgBox(
            "Could not open " + target +
                ". No program of the desktop opened it: open it yourself, or install a program for it "
                "(a web browser for web pages) and try again.",
            msgbox::Exclamation);
    });
}

} // namespace

QUrl desktopUrl(const std::string& target) {
    if (target.empty()) return {};
    QString text = bytesToQString(target);
    if (isAddress(text)) return QUrl(text);
    return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
}

bool QtDesktop::open(const std::string& target) {
    const QUrl url = desktopUrl(target);
    if (!url.isValid()) return false;
    // Not owned by the program: a browser the opener runs in the foreground lives on after the
    // program has ended. The opener goes once it has ended, and its failure is told once: a start
    // that fails ends in errorOccurred alone, a run that ended in finished.
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, [process, target](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        process->deleteLater();
        tellNotOpened(target);
    });
    QObject::connect(process, &QProcess::finished,
                     [process, target](int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0) tellNotOpened(target);
                     });
    process->start(QStringLiteral("xdg-open"),
                   {url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
    return true;
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
