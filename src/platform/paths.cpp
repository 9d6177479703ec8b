#include "platform/paths.h"

#include "platform/qtext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

namespace platform {
namespace {

std::optional<std::string>& fixedAppPath() {
    static std::optional<std::string> path;
    return path;
}

std::string cleaned(const QString& path) {
    return fromQString(QDir::cleanPath(path));
}

std::string realAppPath() {
    QString program =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return chooseAppPath(cleaned(program),
                         cleaned(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)),
                         isWritableFolder);
}

} // namespace

std::string chooseAppPath(const std::string& programFolder, const std::string& userFolder,
                          const std::function<bool(const std::string&)>& writable) {
    if (writable(programFolder)) return programFolder;
    // When the user folder cannot be made either, later reads and writes fail where they happen.
    ensureFolder(userFolder);
    return userFolder;
}

std::string appPath() {
    auto& path = fixedAppPath();
    if (!path) path = realAppPath();
    return *path;
}

void setAppPathForTests(const std::string& path) {
    if (path.empty()) {
        fixedAppPath().reset();
    } else {
        fixedAppPath() = cleaned(bytesToQString(path));
    }
}

bool isWritableFolder(const std::string& path) {
    if (path.empty()) return false;
    QFileInfo info(bytesToQString(path));
    return info.isDir() && info.isWritable();
}

bool ensureFolder(const std::string& path) {
    if (path.empty()) return false;
    QString folder = bytesToQString(path);
    return QDir().mkpath(folder) && QFileInfo(folder).isDir();
}

} // namespace platform
