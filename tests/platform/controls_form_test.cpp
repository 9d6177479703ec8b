// Forms: Load, QueryUnload and Unload, modal showing, Activate, key preview and the key codes,
// the queued mouse wheel and the window state.

#include "controls_testing.h"
#include "platform/form.h"
#include "platform/lightweight_label.h"
#include "platform/listbox.h"
#include "platform/listbox_combo.h"
#include "platform/widgets_textbox.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <gtest/gtest.h>

namespace platform {
namespace {

using testing::sendKey;

TEST(FormTest, LoadRunsOncePerLoadingAndUnloadCanBeCancelled) {
    Form about("Infor");
    std::string events;
    about.onLoad = [&] { events += "L"; };
    bool cancel = true;
    about.onQueryUnload = [&](bool& c) {
        events += "Q";
        c = cancel;
    };
    about.onUnload = [&] { events += "U"; };
    about.show();
    about.hide();
    about.show();
    EXPECT_FALSE(about.unload());
    EXPECT_TRUE(about.loaded());
    cancel = false;
    EXPECT_TRUE(about.unload());
    EXPECT_FALSE(about.visible());
    EXPECT_TRUE(about.unload()) << "unloading a form that is not loaded does nothing";
    about.show();
    EXPECT_EQ(events, "LQQUL");
}

TEST(FormTest, ModalShowWaitsUntilTheFormIsUnloaded) {
    Form settings("settings");
    bool ranInside = false;
    QTimer::singleShot(0, [&] {
        ranInside = settings.visible();
        settings.unload();
    });
    settings.show(true);
    EXPECT_TRUE(ranInside) << "the event loop ran while the modal form was shown";
    EXPECT_FALSE(settings.visible());
    EXPECT_EQ(settings.window()->windowModality(), Qt::ApplicationModal);
}

TEST(FormTest, ActivateRunsWhenAnotherFormWasActive) {
    Form main("map");
    Form other("updat");
    int mainActivations = 0, otherActivations = 0;
    main.onActivate = [&] { ++mainActivations; };
    other.onActivate = [&] { ++otherActivations; };
    const auto activate = [](Form& form) {
        QEvent event(QEvent::WindowActivate);
        QCoreApplication::sendEvent(form.window(), &event);
    };
    activate(main);
    activate(main);
    EXPECT_EQ(mainActivations, 1) << "coming back from another program is no Activate";
    activate(other);
    activate(main);
    EXPECT_EQ(mainActivations, 2);
    EXPECT_EQ(otherActivations, 1);
}

class KeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.window()->resize(300, 200);
        form.onKeyDown = [this](int& code, int shift) {
            seen += "down " + std::to_string(code) + "/" + std::to_string(shift) + " ";
            if (code == swallowCode) code = 0;
        };
        form.onKeyPress = [this](int& ascii) {
            seen += "press " + std::to_string(ascii) + " ";
            if (ascii == swallowAscii) ascii = 0;
        };
        box.move(0, 0, 1500, 300);
        box.onKeyPress = [this](int& ascii) { seen += "box " + std::to_string(ascii) + " "; };
        form.show();
        QApplication::processEvents();
    }
    QWindow* window() { return form.window()->windowHandle(); }

    Form form{"map"};
    TextBox box{form, "Text6"};
    std::string seen;
    int swallowCode = -1;
    int swallowAscii = -1;
};

TEST_F(KeyTest, WithKeyPreviewTheFormSeesKeysBeforeTheControl) {
    form.setKeyPreview(true);
    box.widget()->setFocus();
    swallowAscii = 'q';
    sendKey(window(), Qt::Key_A, "a");
    sendKey(window(), Qt::Key_Q, "q");
    EXPECT_EQ(seen, "down 65/0 press 97 box 97 down 81/0 press 113 ");
    EXPECT_EQ(box.text(), "a") << "the form swallowed the q";
}

TEST_F(KeyTest, WithoutKeyPreviewTheFormSeesKeysOnlyWhenNoControlHasFocus) {
    box.widget()->setFocus();
    sendKey(window(), Qt::Key_B, "b");
    EXPECT_EQ(seen, "box 98 ");
    seen.clear();
    box.widget()->clearFocus();
    sendKey(window(), Qt::Key_Left);
    sendKey(window(), Qt::Key_Down);
    EXPECT_EQ(seen, "down 37/0 down 40/0 ");
}

TEST_F(KeyTest, KeyCodesAndCharacters) {
    box.widget()->clearFocus();
    sendKey(window(), Qt::Key_R, "\x12", Qt::ControlModifier);
    sendKey(window(), Qt::Key_Return, "\r");
    sendKey(window(), Qt::Key_F1);
    sendKey(window(), Qt::Key_Q, "Q", Qt::ShiftModifier);
    EXPECT_EQ(seen, "down 82/2 press 18 down 13/0 press 13 down 112/0 down 81/1 press 81 ");
}

TEST_F(KeyTest, KeysAreDroppedWhileBusy) {
    box.widget()->clearFocus();
    testing::BusyScope busy;
    sendKey(window(), Qt::Key_Up);
    EXPECT_EQ(seen, "");
}

TEST_F(KeyTest, SwallowedKeyDownHasNoKeyPress) {
    form.setKeyPreview(true);
    box.widget()->setFocus();
    swallowCode = 65;
    sendKey(window(), Qt::Key_A, "a");
    EXPECT_EQ(seen, "down 65/0 ");
    EXPECT_EQ(box.text(), "");
}

TEST(FormTest, WheelTurnsOverTheFormAreQueuedForTheProgram) {
    Form form("map");
    form.window()->resize(200, 200);
    form.show();
    const auto turn = [&](int delta) {
        QWheelEvent event(QPointF(50, 50), QPointF(form.host()->mapToGlobal(QPoint(50, 50))), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(form.host(), &event);
    };
    turn(120);
    turn(-120);
    EXPECT_EQ(form.takeMouseWheel(), 120);
    EXPECT_EQ(form.takeMouseWheel(), -120);
    EXPECT_EQ(form.takeMouseWheel(), 0) << "no message: nothing";
    {
        testing::BusyScope busy;
        turn(120);
    }
    EXPECT_EQ(form.takeMouseWheel(), 0) << "turns while busy are dropped";
}

TEST(FormTest, ControlsGoBeforeOrAfterTheirFormWithoutHarm) {
    auto form = std::make_unique<Form>("settings");
    form->show();
    auto list = std::make_unique<ListBox>(*form, "List1");
    list->addItem("ann");
    auto combo = std::make_unique<ComboBox>(*form, "Combo1");
    combo->addItem("Arial");
    auto label = std::make_unique<LabelControl>(*form, "Label3");
    TextBox box(*form, "Text1");
    QPointer<QWidget> listWidget = list->widget();
    list.reset();
    combo.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(listWidget.isNull()) << "the widget of a control that went is deleted by the event loop";
    form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(label->container(), nullptr);
    label->move(10, 10);
    label->setCaption("still a record");
    EXPECT_EQ(box.container(), nullptr);
    box.setText("no widget to show it");
    EXPECT_EQ(box.text(), "no widget to show it");
}

TEST(FormTest, WindowStateAndCaption) {
    Form form("map");
    form.setCaption("Varnoke:1.971 ");
    EXPECT_EQ(form.window()->windowTitle(), "Varnoke:1.971 ");
    form.setWindowState(2);
    form.show();
    EXPECT_EQ(form.windowState(), 2);
    form.setWindowState(0);
    EXPECT_EQ(form.windowState(), 0);
    EXPECT_EQ(testing::faultOf([&] { form.setWindowState(3); }), 380);
}

} // namespace
} // namespace platform
