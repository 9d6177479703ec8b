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

// A fake opener on the PATH logs what it is given and fails on a target holding "fail"; without
// one on the PATH it cannot start. The targets are opened one after the other, each waited for,
// so that every message belongs to its target.
TEST(ServicesDesktop, AnOpenerThatFailsOrCannotStartSaysOnceWhatWasNotOpened) {
    QTemporaryDir withOpener;
    QTemporaryDir withoutOpener;
    ASSERT_TRUE(withOpener.isValid() && withoutOpener.isValid());
    const std::string folder = withOpener.path().toStdString();
    QFile log(withOpener.filePath("opened.log"));
    QFile script(withOpener.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\necho \"$1\" >> '" + log.fileName().toStdString() +
                  "'\ncase \"$1\" in *fail*) exit 1;; esac\n")
                     .c_str());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    auto logged = [&] {
        if (!log.open(QIODevice::ReadOnly)) return std::string();
        const std::string text = log.readAll().toStdString();
        log.close();
        return text;
    };

    struct Row {
        const QTemporaryDir& path;
        std::string target;
        bool fails;
    };
    const Row rows[] = {
        {withOpener, "https://www.openstreetmap.org/", false},
        {withOpener, "https://example.org/fail", true},
        {withOpener, folder + "/route fail.kml", true},
        {withOpener, folder + "/temp.kml", false},
        {withoutOpener, "https://www.openstreetmap.org/", true},
    };
    const QByteArray path = qgetenv("PATH");
    auto scripted = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& dialogs = *scripted;
    auto previous = setDialogs(std::move(scripted));
    std::vector<std::string> told;
    std::string opened;
    for (const Row& row : rows) {
        qputenv("PATH", row.path.path().toUtf8());
        if (row.fails) {
            dialogs.scriptMsgBox(msgbox::Ok);
            told.push_back("Could not open " + row.target +
                           ". No program of the desktop opened it: open it yourself, or install a program "
                           "for it (a web browser for web pages) and try again.");
        }
        if (&row.path == &withOpener) opened += row.target + "\n";
        EXPECT_TRUE(QtDesktop().open(row.target)) << row.target;
        EXPECT_TRUE(testing::spinUntil([&] { return dialogs.shown().size() == told.size() && logged() == opened; }))
            << row.target;
    }
    qputenv("PATH", path);
    EXPECT_FALSE(testing::spinUntil([&] { return dialogs.shown().size() > told.size(); }, 200));
    std::vector<std::string> shown;
    for (const ShownDialog& box : dialogs.shown()) shown.push_back(box.text);
    EXPECT_EQ(shown, told);
    setDialogs(std::move(previous));
}

} // namespace
} // namespace platform
