#include "platform/desktop.h"

#include <QDir>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(ServicesDesktopUrl, AddressesStayLocalPathsBecomeFileUrls) {
    struct Row {
        std::string target;
        QUrl url;
    };
    const QString cwd = QDir::currentPath();
    const Row rows[] = {
        {"https://www.openstreetmap.org/", QUrl("https://www.openstreetmap.org/")},
        {"http://example.org/manual.pdf", QUrl("http://example.org/manual.pdf")},
        {"HTTP://example.org/", QUrl("http://example.org/")},
        {"file:///tmp/files/temp.kml", QUrl("file:///tmp/files/temp.kml")},
        {"mailto:someone@example.org", QUrl("mailto:someone@example.org")},
        {"/tmp/files/temp.kml", QUrl::fromLocalFile("/tmp/files/temp.kml")},
        {"/tmp/my maps/a#1.kml", QUrl::fromLocalFile("/tmp/my maps/a#1.kml")},
        {"files/temp.kml", QUrl::fromLocalFile(cwd + "/files/temp.kml")},
        {"C:/maps/leeds.osm", QUrl::fromLocalFile(cwd + "/C:/maps/leeds.osm")},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(desktopUrl(row.target), row.url) << row.target;
    }
    EXPECT_FALSE(desktopUrl("").isValid());
}

TEST(ServicesDesktop, RecordingDesktopKeepsTheTargets) {
    RecordingDesktop recording;
    EXPECT_TRUE(recording.open("/tmp/files/temp.kml"));
    EXPECT_TRUE(recording.open("https://www.openstreetmap.org/"));
    EXPECT_FALSE(recording.open("")); // an empty address is not handed over
    EXPECT_EQ(recording.targets(),
              (std::vector<std::string>{"/tmp/files/temp.kml", "https://www.openstreetmap.org/", ""}));
}

TEST(ServicesDesktop, InstalledDesktopServesUntilReplaced) {
    auto recording = std::make_unique<RecordingDesktop>();
    RecordingDesktop* raw = recording.get();
    auto previous = setDesktop(std::move(recording));
    desktop().open("/tmp/files/googmap.html");
    EXPECT_EQ(raw->targets(), std::vector<std::string>{"/tmp/files/googmap.html"});

    auto removed = setDesktop(nullptr);
    EXPECT_EQ(removed.get(), raw);
    EXPECT_NE(dynamic_cast<QtDesktop*>(&desktop()), nullptr);
    setDesktop(std::move(previous));
}

} // namespace
} // namespace platform
