#pragma once
// Helpers of the control tests: synthetic mouse and key events sent straight to a widget, a
// scope that makes the program busy, and the event loop run until something has happened.

#include "fault_testing.h"
#include "platform/busy.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace platform::testing {

inline void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                      Qt::MouseButtons held = Qt::NoButton,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, modifiers);
    QCoreApplication::sendEvent(widget, &event);
}

inline void press(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    sendMouse(widget, QEvent::MouseButtonPress, at, button, button, modifiers);
}

inline void release(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

inline void click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    press(widget, at, button);
    release(widget, at, button);
}

inline void doubleClick(QWidget* widget, QPoint at) {
    click(widget, at);
    sendMouse(widget, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    release(widget, at);
}

inline void moveTo(QWidget* widget, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
    sendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, held);
}

inline void sendKey(QObject* receiver, int key, const QString& text = {},
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(receiver, &event);
}

// The program is busy while the scope lives.
class BusyScope {
public:
    explicit BusyScope(bool* busy = nullptr) {
        static bool always = true;
        flag_ = busy ? busy : &always;
        BusyGate::setBusyTest([flag = flag_] { return *flag; });
    }
    ~BusyScope() { BusyGate::setBusyTest({}); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool* flag_;
};

// Runs the event loop until the condition holds or the time is up.
inline bool spinUntil(const std::function<bool()>& condition, int milliseconds = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < milliseconds) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return condition();
}

} // namespace platform::testing
