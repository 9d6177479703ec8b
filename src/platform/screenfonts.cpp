#include "platform/screenfonts.h"

#include "platform/qtext.h"

#include <QFontDatabase>
#include <QStringList>
#include <optional>
#include <unordered_set>

namespace platform {
namespace {

std::optional<std::vector<std::string>>& injected() {
    static std::optional<std::vector<std::string>> names;
    return names;
}

std::vector<std::string> databaseFamilies() {
    if (injected()) return *injected();
    std::vector<std::string> names;
    for (const QString& family : QFontDatabase::families())
        names.push_back(fromQString(family));
    return names;
}

} // namespace

std::vector<std::string> screenFonts() {
    std::vector<std::string> families;
    std::unordered_set<std::string> listed;
    for (std::string& name : databaseFamilies()) {
        if (const std::size_t foundry = name.rfind(" ["); foundry != std::string::npos && name.ends_with(']'))
            name.erase(foundry);
        if (listed.insert(name).second) families.push_back(std::move(name));
    }
    return families;
}

void injectScreenFonts(std::vector<std::string> names) {
    injected() = std::move(names);
}
void clearInjectedScreenFonts() {
    injected().reset();
}

} // namespace platform
