// The Internet menu: the web-map page, written whole for the current view, and the OpenStreetMap
// home page. Web views are kept from starting here, so the page goes to the desktop's browser.
#include "window/webaddresses.h"
#include "core/window_fixture.h"
#include "platform/webbrowser.h"
#include "routes/webmap.h"
#include "support/desktoprecording.h"

#include <QFile>

namespace routes::testing {
namespace {

constexpr int kGoogleMap = 2;

class WebMapTest : public core::testing::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        platform::overrideWebViewsCanStart(false);
    }
    void TearDown() override {
        platform::overrideWebViewsCanStart(std::nullopt);
        WindowTest::TearDown();
    }

    // The window on a 1920 x 1080 screen after loading a file of that origin, at the view a load
    // starts with.
    core::MapWindow& mapAt(basic::Single lon0, basic::Single lat0) {
        core::MapWindow& map = loadOnScreen(core::testing::kWideScreen);
        core::init(map);
        return viewAt(map, lon0, lat0);
    }
    static core::MapWindow& viewAt(core::MapWindow& map, basic::Single lon0, basic::Single lat0) {
        platform::injectScreenSize({1920 * 15, 1080 * 15});
        map.global.viewZoom = 1.4f;
        map.global.viewOffX = -1600;
        map.global.viewOffY = -1320;
        map.data.mapLon0 = lon0;
        map.data.mapLat0 = lat0;
        map.data.mapScale = 30000;
        map.data.mapRead = true;
        return map;
    }

    std::string page() const { return readFile(appPath() + "/files/googmap.html"); }
    static std::string readFile(const std::string& path) {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("(missing)");
    }

    testsupport::DesktopRecording desktop_;
};

TEST_F(WebMapTest, ThePageCentresTheViewInEitherQuoteAtAnyOrigin) {
    core::MapWindow& map = mapAt(-0.1012f, 51.5f);
    mint_Click(map, kGoogleMap);
    // The centre is the map point at the middle of the viewport left of the legend panel, the zoom
    // centre (4000, 3300): lon0 + 1000 / 30000, lat0 - 800 / (30000 x 1.515).
    EXPECT_EQ(page(),
              "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"  "
              "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\"><html xmlns=\"http://www.w3.org/1999/xhtml\">"
              "<html><body><iframe width=\"1920\" height=\"1080\" frameborder=\"0\"scrolling=\"yes\" "
              "marginheight=\"0\" marginwidth=\"0\"src=\"http://maps.google.com/maps?hl=en&amp;ie=UTF8&amp;"
              "ll=51.4824,-.0679&amp;z=13&amp;output=embed\"></iframe></body></html>\r\n");
    EXPECT_EQ(desktop_.targets(), std::vector<std::string>{appPath() + "/files/googmap.html"});

    map.global.quoteChar = '\'';
    mint_Click(map, kGoogleMap);
    const std::string josm = page();
    EXPECT_EQ(josm.find('"'), std::string::npos);
    EXPECT_NE(josm.find("<iframe width='1920' height='1080' frameborder='0'scrolling='yes'"), std::string::npos);

    mint_Click(viewAt(map, 0, 0), kGoogleMap); // the zero meridian and the equator
    EXPECT_NE(page().find("ll=-.0267,.0333&amp;"), std::string::npos) << page();
    mint_Click(viewAt(map, 151.1f, -33.9f), kGoogleMap); // south, the stretch 1.339
    EXPECT_NE(page().find("ll=-33.9199,151.1333&amp;"), std::string::npos) << page();
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(WebMapTest, WithoutAMapNothingIsWrittenAndAnOlderPageIsReplacedWhole) {
    core::MapWindow& map = load();
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    mint_Click(map, kGoogleMap);
    EXPECT_EQ(dialogs().shown().at(0).text, "Please load OSM or Project file.");
    EXPECT_EQ(page(), "(missing)");
    EXPECT_TRUE(desktop_.targets().empty());

    QFile older(QString::fromStdString(appPath() + "/files/googmap.html"));
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write(std::string(5000, 'x').c_str());
    older.close();
    mint_Click(viewAt(map, -0.1012f, 51.5f), kGoogleMap);
    EXPECT_EQ(page().rfind("<!DOCTYPE", 0), 0u);
    EXPECT_EQ(page().find("xxx"), std::string::npos); // no byte of the older file is left
    EXPECT_EQ(page().substr(page().size() - 9), "</html>\r\n");
}

TEST_F(WebMapTest, OpenStreetMapOpensTheHomePageUnlessAFileLoads) {
    core::MapWindow& map = load();
    map.data.mapLoading = true;
    mint_Click(map, 0);
    EXPECT_TRUE(desktop_.targets().empty());
    map.data.mapLoading = false;
    mint_Click(map, 0);
    mint_Click(map, 1); // the separator does nothing
    EXPECT_EQ(desktop_.targets(), std::vector<std::string>{std::string(core::web::kOpenStreetMapHome)});
}

} // namespace
} // namespace routes::testing
