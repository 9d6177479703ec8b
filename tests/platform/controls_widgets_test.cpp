// Buttons, check boxes, option buttons and text boxes: their values, Click and Change, and the
// order of Click and MouseUp.

#include "controls_testing.h"
#include "platform/container_frame.h"
#include "platform/form.h"
#include "platform/widgets_buttons.h"
#include "platform/widgets_textbox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace platform {
namespace {

using testing::faultOf;

class WidgetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.window()->resize(400, 300);
        form.show();
    }
    Form form{"settings"};
};

TEST_F(WidgetsTest, CheckBoxValueInCodeAndByTheUser) {
    CheckBox box(form, "Check4");
    box.move(0, 0, 1500, 300);
    std::string seen;
    box.onClick = [&] { seen += "click" + std::to_string(box.value()) + " "; };
    box.onMouseUp = [&](int, int, double, double) { seen += "up" + std::to_string(box.value()) + " "; };
    box.setValue(1);
    box.setValue(1);
    EXPECT_EQ(seen, "click1 ") << "assigning the value it has is no change";
    EXPECT_EQ(faultOf([&] { box.setValue(3); }), 380);
    seen.clear();
    testing::click(box.widget(), QPoint(5, 5));
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(seen, "click0 up0 ") << "MouseUp sees the new value";
    box.setValue(2);
    EXPECT_EQ(static_cast<QCheckBox*>(box.widget())->checkState(), Qt::PartiallyChecked);
    testing::click(box.widget(), QPoint(5, 5));
    EXPECT_EQ(box.value(), 1) << "a click on a greyed box checks it";
}

TEST_F(WidgetsTest, OptionButtonsAreExclusiveWithinTheirContainer) {
    OptionButton osm(form, "Option2");
    OptionButton gpx(form, "Option2");
    Frame other(form, "Frame1");
    OptionButton elsewhere(other, "Option1");
    osm.move(0, 0, 1200, 300);
    int osmClicks = 0;
    osm.onClick = [&] { ++osmClicks; };
    elsewhere.setValue(true);
    osm.setValue(true);
    EXPECT_EQ(osmClicks, 1);
    gpx.setValue(true);
    EXPECT_FALSE(osm.value());
    EXPECT_TRUE(elsewhere.value()) << "another container keeps its choice";
    testing::click(osm.widget(), QPoint(5, 5));
    EXPECT_TRUE(osm.value());
    EXPECT_FALSE(gpx.value());
    EXPECT_EQ(osmClicks, 2);
    testing::click(osm.widget(), QPoint(5, 5));
    EXPECT_TRUE(osm.value()) << "clicking the chosen one keeps it chosen";
    EXPECT_EQ(osmClicks, 3);
    osm.setValue(false);
    EXPECT_FALSE(static_cast<QAbstractButton*>(osm.widget())->isChecked());
}

TEST_F(WidgetsTest, CommandButtonCaptionPictureAndClick) {
    CommandButton ok(form, "Command1");
    ok.setCaption("OK");
    ok.move(0, 0, 1200, 450);
    int clicks = 0;
    ok.onClick = [&] { ++clicks; };
    testing::click(ok.widget(), QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    auto* button = static_cast<QAbstractButton*>(ok.widget());
    EXPECT_EQ(button->text(), "OK");
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ok.setPicture(picture);
    EXPECT_TRUE(button->icon().isNull()) << "a standard button shows no picture";
    ok.setStyle(1);
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_EQ(faultOf([&] { ok.setStyle(2); }), 380);
}

TEST_F(WidgetsTest, TextBoxChangeAndKeyPress) {
    TextBox speed(form, "Text2");
    speed.move(0, 0, 1500, 300);
    int changes = 0;
    speed.onChange = [&] { ++changes; };
    speed.onKeyPress = [](int& ascii) {
        if (ascii == ',') ascii = 0;
    };
    speed.setText("7");
    speed.setText("7");
    EXPECT_EQ(changes, 1);
    speed.widget()->setFocus();
    testing::sendKey(speed.widget(), Qt::Key_1, "1");
    testing::sendKey(speed.widget(), Qt::Key_Comma, ",");
    testing::sendKey(speed.widget(), Qt::Key_5, "5");
    EXPECT_EQ(speed.text(), "715") << "the comma was swallowed";
    EXPECT_EQ(changes, 3);
    speed.setLocked(true);
    testing::sendKey(speed.widget(), Qt::Key_9, "9");
    EXPECT_EQ(speed.text(), "715");
}

TEST_F(WidgetsTest, MultiLineTextBoxKeepsCrLfInItsText) {
    TextBox detail(form, "Text1", true);
    detail.setText("first\r\nsecond");
    auto* edit = static_cast<QPlainTextEdit*>(detail.widget());
    EXPECT_EQ(edit->toPlainText(), "first\nsecond");
    edit->setPlainText("one\ntwo");
    EXPECT_EQ(detail.text(), "one\r\ntwo");
}

TEST_F(WidgetsTest, TextBoxArrayRaisesTheIndexedKeyPress) {
    ArrayEvents events;
    std::vector<int> seen;
    events.onKeyPress = [&](int index, int& ascii) {
        seen.push_back(index);
        seen.push_back(ascii);
    };
    TextBox search(form, "Text3");
    search.joinArray(&events, 1);
    search.widget()->setFocus();
    testing::sendKey(search.widget(), Qt::Key_Return, "\r");
    EXPECT_EQ(seen, (std::vector<int>{1, 13}));
}

} // namespace
} // namespace platform
