// The status bar: numbered panels with texts and widths, kept to the bottom of the form.

#include "controls_testing.h"
#include "platform/form.h"
#include "platform/statusbar.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <gtest/gtest.h>

namespace platform {
namespace {

using testing::faultOf;

TEST(StatusBarTest, PanelsAreNumberedFromOneWithTextsAndWidths) {
    Form form("frm");
    StatusBar bar(form, "sb1", 5);
    EXPECT_EQ(bar.panelCount(), 5);
    bar.setPanelText(1, "  ");
    bar.setPanelWidth(2, 2000);
    bar.setPanelWidth(5, 1500);
    EXPECT_EQ(bar.panelText(1), "  ");
    EXPECT_DOUBLE_EQ(bar.panelWidth(2), 2000);
    EXPECT_DOUBLE_EQ(bar.panelWidth(3), 1440) << "the default width";
    EXPECT_EQ(faultOf([&] { bar.setPanelText(0, "x"); }), 35600);
    EXPECT_EQ(faultOf([&] { (void)bar.panelWidth(6); }), 35600);
    EXPECT_EQ(faultOf([&] { bar.setPanelWidth(1, -1); }), 380);
}

TEST(StatusBarTest, KeepsToTheBottomOfTheClientArea) {
    Form form("frm");
    StatusBar bar(form, "sb1", 3);
    form.window()->resize(500, 400);
    form.show();
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(bar.height(), 315);
    EXPECT_DOUBLE_EQ(bar.top(), form.scaleHeight() - 315);
    EXPECT_DOUBLE_EQ(bar.width(), form.scaleWidth());
    EXPECT_EQ(bar.widget()->geometry().bottom(), form.host()->height() - 1);

    bar.setHeight(450);
    EXPECT_DOUBLE_EQ(bar.top(), form.scaleHeight() - 450) << "a new height keeps the bar at the bottom";
    bar.move(100, 100);
    EXPECT_DOUBLE_EQ(bar.left(), 0) << "the place is the container's, not the program's";

    form.window()->resize(600, 300);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(bar.top(), form.scaleHeight() - 450);
    EXPECT_DOUBLE_EQ(bar.width(), form.scaleWidth());
}

TEST(StatusBarTest, FormMaximisedInItsLoadHasItsClientSizeBeforeItIsShown) {
    Form form("map");
    StatusBar bar(form, "sb1", 5);
    form.setWindowState(2);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_FALSE(form.visible());
    EXPECT_DOUBLE_EQ(form.scaleWidth(), screen.width() * 15.0);
    EXPECT_DOUBLE_EQ(bar.top(), form.scaleHeight() - bar.height());
    EXPECT_GT(form.scaleHeight(), 0);
}

TEST(StatusBarTest, PanelsArePaintedLeftToRightAtTheirWidths) {
    Form form("frm");
    StatusBar bar(form, "sb1", 2);
    form.window()->resize(400, 200);
    form.show();
    QApplication::processEvents();
    bar.setPanelWidth(1, 600);
    bar.setPanelWidth(2, 900);
    const QImage shot = bar.widget()->grab().toImage();
    const QRgb dark = bar.widget()->palette().color(QPalette::Dark).rgb();
    EXPECT_EQ(shot.pixel(0, 5), dark) << "panel 1 starts at the left edge";
    EXPECT_EQ(shot.pixel(40, 5), dark) << "panel 2 starts 600 twips (40 pixels) further";
    EXPECT_NE(shot.pixel(100, 5), dark) << "nothing after 1500 twips";
}

} // namespace
} // namespace platform
