#include "render/projectfile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QString>

namespace render {

bool projectFileFound(const std::string& path) {
    return path.find('*') == std::string::npos && QFileInfo(QString::fromStdString(path)).isFile();
}

std::string projectFileIdentity(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    return path + '|' + std::to_string(info.size()) + '|' +
           std::to_string(info.lastModified().toMSecsSinceEpoch());
}

} // namespace render
