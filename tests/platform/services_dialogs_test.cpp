#include "platform/dialogs.h"
#include "platform/dialogs_scripted.h"
#include "platform/dialogs_stderr.h"

#include <QImage>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>

namespace platform {
namespace {

TEST(ServicesMsgBoxStyle, ButtonsAnswersAndDefaults) {
    struct Row {
        int style;
        int buttons;
        std::vector<int> fitting;
        int firstButton;
    };
    const Row rows[] = {
        {msgbox::OkOnly, msgbox::OkOnly, {msgbox::Ok}, msgbox::Ok},
        {msgbox::OkCancel, msgbox::OkCancel, {msgbox::Ok, msgbox::Cancel}, msgbox::Ok},
        {msgbox::YesNoCancel, msgbox::YesNoCancel, {msgbox::Yes, msgbox::No, msgbox::Cancel}, msgbox::Yes},
        {msgbox::YesNo, msgbox::YesNo, {msgbox::Yes, msgbox::No}, msgbox::Yes},
        // Icon flags do not change the buttons.
        {msgbox::YesNo + msgbox::Question, msgbox::YesNo, {msgbox::Yes, msgbox::No}, msgbox::Yes},
        {msgbox::OkCancel + msgbox::Critical, msgbox::OkCancel, {msgbox::Ok, msgbox::Cancel}, msgbox::Ok},
        {msgbox::Information, msgbox::OkOnly, {msgbox::Ok}, msgbox::Ok},
        // Button sets the system never uses fall back to OK alone.
        {2, msgbox::OkOnly, {msgbox::Ok}, msgbox::Ok},
        {5 + msgbox::Exclamation, msgbox::OkOnly, {msgbox::Ok}, msgbox::Ok},
    };
    const int allAnswers[] = {msgbox::Ok, msgbox::Cancel, 3, 4, 5, msgbox::Yes, msgbox::No};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.style);
        EXPECT_EQ(msgBoxButtons(row.style), row.buttons);
        EXPECT_EQ(defaultAnswer(row.style), row.firstButton);
        for (int answer : allAnswers) {
            bool expected = std::find(row.fitting.begin(), row.fitting.end(), answer) != row.fitting.end();
            EXPECT_EQ(answerFits(row.style, answer), expected) << "answer " << answer;
        }
    }
}

TEST(ServicesScriptedDialogs, MessageBoxesTakeAnswersInOrderAndAreRecorded) {
    ScriptedDialogs dialogs;
    dialogs.scriptMsgBox(msgbox::No);
    dialogs.scriptMsgBox(msgbox::Yes);
    dialogs.scriptMsgBox(msgbox::Ok);

    EXPECT_EQ(
        dialogs.msgBox("Your route has not been saved. Are you sure you want to exit?", msgbox::YesNoCancel),
        msgbox::No);
    EXPECT_EQ(dialogs.msgBox("File exists. Wish to overwrite?", msgbox::YesNoCancel, "Save"), msgbox::Yes);
    EXPECT_EQ(dialogs.msgBox("No route to save."), msgbox::Ok);
    EXPECT_EQ(dialogs.unusedAnswers(), 0u);

    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[0].kind, DialogKind::MsgBox);
    EXPECT_EQ(dialogs.shown()[0].text, "Your route has not been saved. Are you sure you want to exit?");
    EXPECT_EQ(dialogs.shown()[0].title, "Varnoke"); // the default title
    EXPECT_EQ(dialogs.shown()[0].style, msgbox::YesNoCancel);
    EXPECT_EQ(dialogs.shown()[1].title, "Save");
    EXPECT_EQ(dialogs.shown()[2].text, "No route to save.");
    EXPECT_EQ(dialogs.shown()[2].style, msgbox::OkOnly);
}

TEST(ServicesScriptedDialogs, UnscriptedOrUnfittingAnswerFailsLoudly) {
    ScriptedDialogs dialogs;
    try {
        dialogs.msgBox("Draw a route first.");
        FAIL() << "an unscripted message box must throw";
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("message box"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Draw a route first."), std::string::npos) << e.what();
    }

    dialogs.scriptMsgBox(msgbox::Yes);
    try {
        dialogs.msgBox("This will clear route. Do you want to continue?", msgbox::OkCancel);
        FAIL() << "Yes is no button of an OK/Cancel box";
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("This will clear route."), std::string::npos) << e.what();
    }

    EXPECT_THROW(dialogs.openFile({"", "*.osm", "*.osm", ""}), std::logic_error);
    EXPECT_THROW(dialogs.saveFile({"", "*.gpx", "untitled.gpx", ""}), std::logic_error);
    EXPECT_THROW(dialogs.chooseColour(0), std::logic_error);
    EXPECT_THROW(dialogs.chooseFolder("/tmp", "OSM"), std::logic_error);
    EXPECT_THROW(dialogs.printImage(QImage(2, 2, QImage::Format_RGB32), true, true), std::logic_error);
}

TEST(ServicesScriptedDialogs, KindsKeepTheirOwnQueues) {
    ScriptedDialogs dialogs;
    dialogs.scriptSaveFile("/maps/route.gpx");
    dialogs.scriptOpenFile(std::nullopt);
    dialogs.scriptOpenFile("/maps/leeds.osm");
    dialogs.scriptColour(255 + 256 * 128);
    dialogs.scriptColour(std::nullopt);
    dialogs.scriptFolder("/maps/gpx");
    dialogs.scriptPrint(false);
    EXPECT_EQ(dialogs.unusedAnswers(), 7u);

    // The open dialogs take the open answers even though a save answer was scripted first.
    FileDialogRequest open{"/maps", "*.osm", "*.osm", ""};
    EXPECT_EQ(dialogs.openFile(open), std::nullopt);
    EXPECT_EQ(dialogs.openFile(open), "/maps/leeds.osm");
    FileDialogRequest save{"", "*.bmp", "untitled.bmp", "Save Screen"};
    EXPECT_EQ(dialogs.saveFile(save), "/maps/route.gpx");
    EXPECT_EQ(dialogs.chooseColour(0xE8EEF1), 255 + 256 * 128);
    EXPECT_EQ(dialogs.chooseColour(0), std::nullopt);
    EXPECT_EQ(dialogs.chooseFolder("/maps", "OSM folder"), "/maps/gpx");
    EXPECT_FALSE(dialogs.printImage(QImage(300, 200, QImage::Format_RGB32), true, false));
    EXPECT_EQ(dialogs.unusedAnswers(), 0u);

    const auto& shown = dialogs.shown();
    ASSERT_EQ(shown.size(), 7u);
    EXPECT_EQ(shown[0].kind, DialogKind::OpenFile);
    EXPECT_EQ(shown[0].request.initDir, "/maps");
    EXPECT_EQ(shown[0].request.fileName, "*.osm");
    EXPECT_EQ(shown[2].kind, DialogKind::SaveFile);
    EXPECT_EQ(shown[2].request.title, "Save Screen");
    EXPECT_EQ(shown[2].request.fileName, "untitled.bmp");
    EXPECT_EQ(shown[3].kind, DialogKind::Colour);
    EXPECT_EQ(shown[3].initialColour, 0xE8EEF1);
    EXPECT_EQ(shown[5].kind, DialogKind::Folder);
    EXPECT_EQ(shown[5].text, "/maps");
    EXPECT_EQ(shown[5].title, "OSM folder");
    EXPECT_EQ(shown[6].kind, DialogKind::Print);
    EXPECT_EQ(shown[6].imageSize, QSize(300, 200));
    EXPECT_TRUE(shown[6].landscape);
    EXPECT_FALSE(shown[6].paperA4);
}

TEST(ServicesStderrDialogs, WritesMessagesAndAnswersTheFirstButton) {
    std::ostringstream out;
    StderrDialogs dialogs(out);
    EXPECT_EQ(dialogs.msgBox("Draw a route first."), msgbox::Ok);
    EXPECT_EQ(dialogs.msgBox("Are you sure you want to clear your route?", msgbox::OkCancel, "Route"),
              msgbox::Ok);
    EXPECT_EQ(dialogs.msgBox("This will clear your gpx track. Are you sure?", msgbox::YesNo), msgbox::Yes);
    EXPECT_EQ(out.str(), "Varnoke: Draw a route first.\n"
                         "Route: Are you sure you want to clear your route?\n"
                         "Varnoke: This will clear your gpx track. Are you sure?\n");

    EXPECT_EQ(dialogs.openFile({"", "*.osm", "*.osm", ""}), std::nullopt);
    EXPECT_EQ(dialogs.saveFile({"", "*.gpx", "untitled.gpx", ""}), std::nullopt);
    EXPECT_EQ(dialogs.chooseColour(0), std::nullopt);
    EXPECT_EQ(dialogs.chooseFolder("/", "GPX"), std::nullopt);
    EXPECT_FALSE(dialogs.printImage(QImage(2, 2, QImage::Format_RGB32), false, true));
}

TEST(ServicesDialogsAccess, InstalledInstanceServesUntilReplaced) {
    auto scripted = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs* raw = scripted.get();
    auto previous = setDialogs(std::move(scripted));
    EXPECT_EQ(&dialogs(), raw);

    raw->scriptMsgBox(msgbox::Cancel);
    EXPECT_EQ(dialogs().msgBox("Please select OSM or GPX", msgbox::OkCancel), msgbox::Cancel);

    // Back to the default: a fresh instance, not the scripted one.
    auto removed = setDialogs(nullptr);
    EXPECT_EQ(removed.get(), raw);
    EXPECT_NE(dynamic_cast<ScriptedDialogs*>(&dialogs()), raw);
    setDialogs(std::move(previous));
}

} // namespace
} // namespace platform
