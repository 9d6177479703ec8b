#include "platform/screenfonts.h"

#include "platform/qtext.h"

#include <QFontDatabase>
#include <QStringList>
#include <optional>

namespace platform {
namespace {

std::optional<std::vector<std::string>>& injected() {
    static std::optional<std::vector<std::string>> names;
    return names;
}

} // namespace

std::vector<std::string> screenFonts() {
    if (injected()) return *injected();
    std::vector<std::string> names;
    for (const QString& family : QFontDatabase::families())
        names.push_back(fromQString(family));
    return names;
}

void injectScreenFonts(std::vector<std::string> names) {
    injected() = std::move(names);
}
void clearInjectedScreenFonts() {
    injected().reset();
}

} // namespace platform
