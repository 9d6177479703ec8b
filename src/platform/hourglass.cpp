#include "platform/hourglass.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform {
namespace {

bool& hourglassShown() {
    static bool shown = false;
    return shown;
}

// Whether our wait cursor sits on the application's override stack (it cannot without an
// application object, though the pointer still reads as the hourglass).
bool& cursorOverridden() {
    static bool overridden = false;
    return overridden;
}

} // namespace

void hourglassOn() {
    if (hourglassShown()) return;
    hourglassShown() = true;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        cursorOverridden() = true;
    }
}

void hourglassOff() {
    if (!hourglassShown()) return;
    hourglassShown() = false;
    if (cursorOverridden()) {
        QGuiApplication::restoreOverrideCursor();
        cursorOverridden() = false;
    }
}

int screenMousePointer() {
    return hourglassShown() ? kHourglassPointer : kDefaultPointer;
}

} // namespace platform
