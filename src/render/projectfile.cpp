#include "render/projectfile.h"

#include <QFileInfo>
#include <QString>

namespace render {

bool projectFileFound(const std::string& path) {
    return path.find('*') == std::string::npos && QFileInfo(QString::fromStdString(path)).isFile();
}

} // namespace render
