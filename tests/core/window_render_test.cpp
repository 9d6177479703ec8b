// The main window shown and rendered offscreen: its main panels stand where the layout puts
// them, and it comes up quickly.

#include "core/window_fixture.h"
#include "poi/categories.h"
#include "window/countlabels.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QScreen>
#include <iostream>

namespace core::testing {
namespace {

constexpr int kTwips = 15;

class WindowRenderTest : public WindowTest {
protected:
    // The window shown maximised on the offscreen screen, whose size is the layout's screen.
    MapWindow& showWindow() {
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        platform::injectScreenSize({screen.width() * kTwips, screen.height() * kTwips});
        MapWindow& map = make();
        bool activated = false;
        auto activate = map.form.onActivate;
        map.form.onActivate = [&] {
            activated = true;
            activate();
        };
        map.form.show();
        for (int i = 0; i < 40 && !activated; ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 25);
        map.form.onActivate = activate;
        return map;
    }

    // The colour of a client point given in twips, in the rendered window.
    static QRgb pixelAt(MapWindow& map, const QImage& shot, double x, double y) {
        const QPoint at = map.form.host()->mapTo(map.form.window(), QPoint(int(x / kTwips), int(y / kTwips)));
        return shot.pixel(at) & 0xFFFFFF;
    }

    static QRgb rgb(int r, int g, int b) { return qRgb(r, g, b) & 0xFFFFFF; }
};

TEST_F(WindowRenderTest, MainPanelsStandWhereTheLayoutPutsThem) {
    MapWindow& map = showWindow();
    ASSERT_TRUE(map.data.formActivated);
    QApplication::processEvents();
    const QImage shot = map.form.window()->grab().toImage();
    const double W = platform::screenSize().widthTwips;
    const double S = map.view.sb1.top();
    const QSize client = map.form.host()->size();

    // Widget geometry in pixels follows the twips the layout computed. The layout is computed
    // once; the menu bar may settle its height afterwards, moving the status bar by a few pixels.
    const QRect viewport = map.view.Picture1.widget()->geometry();
    const QRect bar = map.view.sb1.widget()->geometry();
    EXPECT_EQ(viewport.topLeft(), QPoint(32, 46));
    EXPECT_EQ(viewport.width(), int(W - 480 - 285) / kTwips);
    EXPECT_NEAR(viewport.bottom() + 1, bar.top(), 5);
    EXPECT_EQ(map.legendPanel.Frame2.widget()->geometry().topLeft(), QPoint(int(W - 2115) / kTwips, 46));
    EXPECT_EQ(map.legendPanel.Frame2.widget()->geometry().height(), viewport.height());
    EXPECT_EQ(map.strips.left.widget()->geometry().topLeft(), QPoint(0, 46));
    EXPECT_EQ(map.strips.left.widget()->geometry().width(), 32);
    EXPECT_EQ(map.strips.Frame3[kRightStrip].widget()->geometry().left(), int(W - 285) / kTwips);
    EXPECT_EQ(bar.bottom(), client.height() - 1);
    EXPECT_EQ(bar.width(), client.width());
    EXPECT_EQ(map.view.hs.widget()->geometry().top(), viewport.bottom() + 1);

    // The viewport's background begins right of the left strip and below the legend strip.
    const QRgb map_ = rgb(241, 238, 232);
    const QRgb window = rgb(255, 252, 242);
    EXPECT_EQ(pixelAt(map, shot, 480 - 8, 4000), window);
    EXPECT_EQ(pixelAt(map, shot, 480 + 8, 4000), map_);
    EXPECT_EQ(pixelAt(map, shot, 6000, 690 - 8), window);
    EXPECT_EQ(pixelAt(map, shot, 6000, 690 + 8), map_);
    EXPECT_EQ(pixelAt(map, shot, W / 2, S / 2), map_);
    // The selected legend tab (" Icons") is highlighted at the legend panel's top left.
    const double legendLeft = W - 2115;
    EXPECT_EQ(pixelAt(map, shot, legendLeft + 765 + 30, 690 + 90 + 30), rgb(192, 192, 255));
    EXPECT_EQ(pixelAt(map, shot, legendLeft + 45 + 30, 690 + 90 + 30), rgb(224, 224, 224));
    // The legend strip's first cell lies above the viewport, at its design place.
    EXPECT_NE(pixelAt(map, shot, 5616 + 30, 84 + 174), window);
}

// A legend cell shows round its category's button: shown, hidden and empty categories differ.
TEST_F(WindowRenderTest, LegendCellsShowTheirLookAroundTheIcons) {
    MapWindow& map = showWindow();
    core::showCount(map, 1, 3); // cell 0, places of worship: shown
    core::showCount(map, 2, 0); // cell 1, pubs: empty
    core::showCount(map, 3, 2); // cell 2, phone boxes: hidden again below
    poi::showicons(map, 1);
    poi::toggleCategory(map, 2);
    QApplication::processEvents();
    const QImage shot = map.form.window()->grab().toImage();
    auto count = [&](int cell, QRgb colour) { // the pixels of a colour inside a cell's square
        const platform::ShapeControl& shape = map.legendStrip.Shape9[cell];
        int found = 0;
        for (double y = shape.top(); y < shape.top() + shape.height(); y += kTwips)
            for (double x = shape.left(); x < shape.left() + shape.width(); x += kTwips)
                found += pixelAt(map, shot, x, y) == colour;
        return found;
    };
    const QRgb looks[] = {rgb(255, 240, 20), rgb(240, 240, 240), rgb(255, 255, 192)}; // on, empty, off
    // Each cell: a ring of its look round the round icon at least, and nothing of another look.
    for (int cell = 0; cell < 3; ++cell)
        for (int look = 0; look < 3; ++look) {
            if (look == cell)
                EXPECT_GE(count(cell, looks[look]), 40) << cell;
            else
                EXPECT_EQ(count(cell, looks[look]), 0) << cell << " " << look;
        }
}

TEST_F(WindowRenderTest, StartsUpToAShownWindowWellUnderASecond) {
    QElapsedTimer clock;
    clock.start();
    MapWindow& map = showWindow();
    const qint64 ms = clock.elapsed();
    ASSERT_TRUE(map.data.formActivated);
    std::cout << "start-up to the first activation: " << ms << " ms\n";
    RecordProperty("startup_ms", static_cast<int>(ms));
    EXPECT_LT(ms, 1000);
}

} // namespace
} // namespace core::testing
