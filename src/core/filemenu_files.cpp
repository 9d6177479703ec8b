#include "core/filemenu_files.h"

#include "basic/clock.h"
#include "basic/fault.h"
#include "basic/wholefile.h"
#include "core/progress.h"
#include "import/loadbinary.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/hourglass.h"
#include "render/unloading.h"
#include "window/mapwindow.h"

namespace core {
namespace {

// The loader's questions answered by the window.
class WindowLoadClient : public osmimport::LoadClient {
public:
    void message(std::string_view text) override { platform::dialogs().msgBox(text); }
    void hourglassOn() override { platform::hourglassOn(); }
    void hourglassOff() override { platform::hourglassOff(); }
    void doEvents() override { platform::doEvents(); }
};

} // namespace

bool isFile(const std::string& path) {
    return osmimport::regularFileSize(path).has_value();
}

basic::Integer exists(const std::string& path) {
    if (!isFile(path)) return basic::vbFalse;
    const int answer =
        platform::dialogs().msgBox("File exists. Wish to overwrite?", platform::msgbox::YesNoCancel);
    return basic::toFlag(answer != platform::msgbox::Yes);
}

std::string loadbinary(MapWindow& map, const std::string& path) {
    map.global.loadStart = basic::monotonicSeconds();
    WindowLoadClient client;
    osmimport::LoadedText loaded = osmimport::loadbinary(path, client);
    if (loaded.sizeMB) map.data.fileSizeMB = *loaded.sizeMB;
    return std::move(loaded.text);
}

std::string loadtext(MapWindow& map, const std::string& path, basic::Integer flag) {
    map.data.leakedAreas.clear();
    if (flag == 0 || path.find(".vnk") != std::string::npos) return {};
    map.global.cancelRequested = false;
    map.view.sb1.setPanelText(3, "");
    const std::optional<std::int64_t> size = osmimport::regularFileSize(path);
    if (!size) return {};

    map.data.fileSizeMB = osmimport::fileSizeMB(*size);
    map.view.tm2.setEnabled(false);
    map.global.loadStart = basic::monotonicSeconds();
    progr(map, 0);
    barvis(map, true);
    map.progress.Label9.setCaption("Loading file...");
    map.progress.frm1.setVisible(true);
    if (!map.data.authorSelected) map.legendPanel.List1.clear();
    map.global.curFile = path;
    render::unload_(map);
    platform::hourglassOn();
    try {
        return basic::readFileBytes(path, static_cast<std::uint64_t>(osmimport::kLengthLimit - 1));
    } catch (const basic::RuntimeFault&) {
        platform::hourglassOff();
        map.data.mapScale = 1;
        return {};
    }
}

} // namespace core
