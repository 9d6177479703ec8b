#include "platform/hourglass.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace platform {
namespace {

bool waitCursorShown() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

TEST(ServicesHourglass, IsASwitchNotAStack) {
    hourglassOff();
    hourglassOff(); // off without on is harmless
    EXPECT_EQ(screenMousePointer(), kDefaultPointer);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    hourglassOn();
    hourglassOn();
    EXPECT_EQ(screenMousePointer(), kHourglassPointer);
    EXPECT_TRUE(waitCursorShown());

    hourglassOff(); // one off undoes both ons
    EXPECT_EQ(screenMousePointer(), kDefaultPointer);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    hourglassOff();
    hourglassOn();
    EXPECT_TRUE(waitCursorShown());
    hourglassOff();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace platform
