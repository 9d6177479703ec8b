#pragma once
// A main window for tests: its program folder is a fresh temporary folder, its dialogs are
// scripted, and the screen has a fixed size. The window is made by make() after a test has put
// what it needs (a settings file, a screen size) in place.

#include "platform/dialogs_scripted.h"
#include "platform/paths.h"
#include "platform/screen.h"
#include "prefs/settingsfile.h"
#include "window/mapwindow.h"
#include "window/viewwindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QResizeEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace core::testing {

inline constexpr int kScreenWidth = 19200;
inline constexpr int kScreenHeight = 14400;
inline constexpr double kStatusTop = 13500;
inline constexpr int kMenuBarTwips = 450;
// Screens of 1024 x 768 and 1920 x 1080 pixels.
inline constexpr platform::ScreenSize kSmallScreen{15360, 11520};
inline constexpr platform::ScreenSize kWideScreen{28800, 16200};
inline constexpr int kStatusBarTwips = 720;

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        platform::setAppPathForTests(appPath());
        auto scripted = std::make_unique<platform::ScriptedDialogs>();
        dialogs_ = scripted.get();
        platform::setDialogs(std::move(scripted));
        platform::injectScreenSize({kScreenWidth, kScreenHeight});
    }

    void TearDown() override {
        map_.reset();
        platform::setDialogs(nullptr);
        platform::setAppPathForTests("");
        platform::clearInjectedScreenSize();
    }

    std::string appPath() const { return folder_.path().toStdString(); }
    platform::ScriptedDialogs& dialogs() { return *dialogs_; }

    // Puts a settings file holding g's settings into the program folder.
    void writeSettingsFile(const Global& g) {
        QFile file(QString::fromStdString(appPath() + "/img.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string bytes = prefs::settingsBytes(g);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    // The window, built but not loaded.
    MapWindow& make() {
        map_ = std::make_unique<MapWindow>();
        return *map_;
    }

    // The window loaded (Form_Load run) with a client area whose status bar top is `statusTop`.
    MapWindow& load(double statusTop = kStatusTop, double width = kScreenWidth) {
        MapWindow& map = make();
        sizeClient(map, width, statusTop);
        map.form.load();
        return map;
    }

    // The window loaded as Form_Load lays it out on a screen of the given size in twips, its
    // client area below a menu bar of 30 pixels.
    MapWindow& loadOnScreen(platform::ScreenSize screen) {
        platform::injectScreenSize(screen);
        return load(screen.heightTwips - kMenuBarTwips - kStatusBarTwips, screen.widthTwips);
    }

    // Gives the viewport a size (2970 x 1590 units of p1) whose centred view lies within every
    // drawing window as designed, and centres the map picture in it: every drawing window is
    // then the designed one.
    static void showDesignedView(MapWindow& map) {
        map.view.Picture1.setWidth(14850);
        map.view.Picture1.setHeight(7950);
        centreMapPicture(map);
    }

    // Fixes the window's size so that its client area is `width` wide and the status bar's top
    // edge lies at `statusTop`, also once Form_Load has maximised it. The window is not shown, so
    // the client area is told of its new size at once.
    static void sizeClient(MapWindow& map, double width, double statusTop) {
        QMainWindow* window = map.form.window();
        QWidget* client = map.form.host();
        const QSize clientSize(static_cast<int>(width / 15),
                               static_cast<int>((statusTop + map.view.sb1.height()) / 15));
        window->setFixedSize(clientSize.width(),
                             clientSize.height() + window->menuBar()->sizeHint().height());
        window->layout()->invalidate();
        window->layout()->activate();
        const QSize old = client->size();
        QResizeEvent resized(client->size(), old);
        QCoreApplication::sendEvent(client, &resized);
    }

private:
    QTemporaryDir folder_;
    platform::ScriptedDialogs* dialogs_ = nullptr;
    std::unique_ptr<MapWindow> map_;
};

} // namespace core::testing
