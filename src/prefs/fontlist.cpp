#include "prefs/fontlist.h"

#include "basic/fault.h"
#include "basic/linereader.h"
#include "basic/linewriter.h"
#include "basic/wholefile.h"
#include "platform/listbox_combo.h"
#include "prefs/numberline.h"

#include <cstdint>

namespace prefs {

namespace {

// Tens of thousands of font names: a larger list is read no further.
constexpr std::size_t kLargestFontList = std::size_t{1} << 20;

} // namespace

std::string fontListBytes(basic::Single version, const std::vector<std::string>& names) {
    basic::LineWriter w(32 * (names.size() + 2));
    w.number(version, true);
    w.number(static_cast<basic::Long>(names.size()), true);
    for (const std::string& name : names)
        w.text(name.substr(0, name.find_first_of("\r\n")));
    return std::move(w).take();
}

std::vector<std::string> readFontList(std::string_view bytes, basic::Single& fileVersion) {
    basic::LineReader reader(bytes);
    const auto nextLine = [&reader]() -> Line {
        if (reader.eof()) return std::nullopt;
        return reader.lineInputView();
    };
    if (const std::optional<double> stamp = numberOn(nextLine())) {
        try {
            fileVersion = basic::csng(*stamp);
        } catch (const basic::RuntimeFault&) { // beyond the Single range: no stamp
        }
    }
    const std::optional<double> count = numberOn(nextLine());
    std::vector<std::string> names;
    if (!count) return names;
    for (double left = basic::roundHalfEven(*count); left > 0 && !reader.eof(); --left)
        names.emplace_back(reader.lineInputView());
    return names;
}

void saveFontList(const platform::ComboBox& chooser, const std::string& path, core::Global& g) {
    g.fileVersion = g.progVersion;
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(chooser.listCount()));
    for (int i = 0; i < chooser.listCount(); ++i)
        names.push_back(chooser.list(i));
    basic::writeFileWhole(path, fontListBytes(g.fileVersion, names));
}

void loadFontList(platform::ComboBox& chooser, const std::string& path, core::Global& g) {
    chooser.clear();
    for (std::string& name :
         readFontList(basic::readFileLines(path, SIZE_MAX, kLargestFontList), g.fileVersion))
        chooser.addItem(std::move(name));
}

} // namespace prefs
