#include "basic/wholefile.h"
#include "controls_testing.h"
#include "platform/desktop.h"
#include "platform/dialogs_scripted.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

// A fake xdg-open on the PATH fails on a target holding "fail"; a PATH without one cannot start
// it. Each failure is waited for, so that every message belongs to its own target.
TEST(ServicesDesktop, AnOpenerThatFailsOrCannotStartSaysOnceWhatWasNotOpened) {
    QTemporaryDir dir;
    basic::writeFileWhole(dir.filePath("xdg-open").toStdString(),
                          "#!/bin/sh\ncase \"$1\" in *fail*) exit 1;; esac\n");
    QFile::setPermissions(dir.filePath("xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
    const std::pair<QString, std::string> rows[] = {{dir.path(), "https://www.openstreetmap.org/"},
                                                    {dir.path(), "https://example.org/fail"},
                                                    {dir.path(), dir.path().toStdString() + "/route fail.kml"},
                                                    {"/nonexistent", "https://www.openstreetmap.org/"}};
    const QByteArray path = qgetenv("PATH");
    auto previous = setDialogs(std::make_unique<ScriptedDialogs>());
    auto& scripted = static_cast<ScriptedDialogs&>(dialogs());
    const std::vector<ShownDialog>& shown = scripted.shown();
    size_t told = 0;
    for (const auto& [folder, target] : rows) {
        qputenv("PATH", folder.toUtf8());
        EXPECT_TRUE(QtDesktop().open(target));
        if (folder == dir.path() && target.find("fail") == std::string::npos) continue;
        scripted.scriptMsgBox(msgbox::Ok);
        EXPECT_TRUE(testing::spinUntil([&] { return shown.size() > told; })) << target;
        EXPECT_EQ((shown.size() > told ? shown[told++].text : "").rfind("Could not open " + target + ". ", 0),
                  0u);
    }
    qputenv("PATH", path);
    EXPECT_FALSE(testing::spinUntil([&] { return shown.size() > told; }, 200));
    setDialogs(std::move(previous));
}

} // namespace
} // namespace platform
