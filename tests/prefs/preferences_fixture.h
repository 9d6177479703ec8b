#pragma once
// A Preferences window for tests over a program-wide state of its own: the data folder is a
// fresh temporary folder, the dialogs are scripted and the screen offers a fixed list of fonts,
// one with "@" and one made of digits.

#include "window/global.h"
#include "platform/dialogs_scripted.h"
#include "platform/screenfonts.h"
#include "prefs/preferences.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMainWindow>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace prefs::testing {

inline const std::vector<std::string> kScreenFonts = {"DejaVu Sans", "@MS Mincho", "0123", "Liberation Serif"};
inline const std::vector<std::string> kListedFonts = {"DejaVu Sans", "0123", "Liberation Serif"};

// Waits for the window system to report the shown window active (Activate then runs);
// false when it never does.
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
        ASSERT_TRUE(folder_.isValid());
        g.dataFolder = folder();
        g.fileVersion = core::kProgVersion;
        auto scripted = std::make_unique<platform::ScriptedDialogs>();
        dialogs_ = scripted.get();
        platform::setDialogs(std::move(scripted));
        platform::injectScreenFonts(kScreenFonts);
    }

    void TearDown() override {
        dialog_.reset();
        platform::setDialogs(nullptr);
        platform::clearInjectedScreenFonts();
    }

    std::string folder() const { return folder_.path().toStdString(); }
    std::string fontsPath() const { return folder() + "/fonts.dat"; }
    platform::ScriptedDialogs& dialogs() { return *dialogs_; }

    // The window as an opening leaves it: made, shown and activated.
    Preferences& open() {
        dialog_ = std::make_unique<Preferences>(g);
        dialog_->show();
        activate(*dialog_);
        return *dialog_;
    }

    // The window becomes the program's active window, as when it is shown or another window
    // (a message box, the colour dialog) gives the focus back.
    static void activate(Preferences& dialog) {
        QEvent event(QEvent::WindowActivate);
        QCoreApplication::sendEvent(dialog.window(), &event);
    }

    // The message box texts shown so far.
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const platform::ShownDialog& shown : dialogs_->shown())
            if (shown.kind == platform::DialogKind::MsgBox) texts.push_back(shown.text);
        return texts;
    }

    core::Global g;

private:
    QTemporaryDir folder_;
    platform::ScriptedDialogs* dialogs_ = nullptr;
    std::unique_ptr<Preferences> dialog_;
};

} // namespace prefs::testing
