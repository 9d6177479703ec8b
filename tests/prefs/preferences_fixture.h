#pragma once
// A Preferences window over a program-wide state of its own: the data folder is a fresh
// temporary folder, the dialogs are scripted and the screen offers a fixed list of fonts, one
// with "@", one made of digits and one from two foundries.

#include "platform/dialogs_scripted.h"
#include "platform/screenfonts.h"
#include "prefs/preferences.h"
#include "window/global.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMainWindow>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace prefs::testing {

inline const std::vector<std::string> kScreenFonts = {"DejaVu Sans", "@MS Mincho", "0123",
                                                      "Liberation Serif [urw]", "Liberation Serif [URW ]"};
inline const std::vector<std::string> kListedFonts = {"DejaVu Sans", "0123", "Liberation Serif"};

// Waits until the window system reports the shown window active, which runs Activate.
inline bool waitForActivation(Preferences& dialog) {
    bool activated = false;
    auto activate = dialog.onActivate;
    dialog.onActivate = [&] {
        activated = true;
        activate();
    };
    for (int i = 0; i < 40 && !activated; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 25);
    dialog.onActivate = activate;
    return activated;
}

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override {
        g.dataFolder = folder_.path().toStdString();
        g.progVersion = core::kProgVersion; // as start-up sets it; no file has set fileVersion yet
        platform::setDialogs(std::make_unique<platform::ScriptedDialogs>());
        platform::injectScreenFonts(kScreenFonts);
    }
    void TearDown() override {
        dialog_.reset();
        platform::setDialogs(nullptr);
        platform::clearInjectedScreenFonts();
    }

    std::string fontsPath() const { return g.dataFolder + "/fonts.dat"; }
    platform::ScriptedDialogs& dialogs() {
        return static_cast<platform::ScriptedDialogs&>(platform::dialogs());
    }

    // A new opening: the window made, shown and activated.
    Preferences& open() {
        dialog_ = std::make_unique<Preferences>(g);
        dialog_->show();
        activate(*dialog_);
        return *dialog_;
    }

    // The window system reports the window active, as when it is shown or when a message box
    // or the colour dialog gives the focus back.
    static void activate(Preferences& dialog) {
        QEvent event(QEvent::WindowActivate);
        QCoreApplication::sendEvent(dialog.window(), &event);
    }

    std::vector<std::string> messages() {
        std::vector<std::string> texts;
        for (const platform::ShownDialog& shown : dialogs().shown())
            if (shown.kind == platform::DialogKind::MsgBox) texts.push_back(shown.text);
        return texts;
    }

    core::Global g;

private:
    QTemporaryDir folder_;
    std::unique_ptr<Preferences> dialog_;
};

} // namespace prefs::testing
