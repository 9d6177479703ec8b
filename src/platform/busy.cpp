#include "platform/busy.h"

#include <QTimer>

namespace platform {
namespace {

std::function<bool()>& busyTest() {
    static std::function<bool()> test;
    return test;
}

} // namespace

void BusyGate::setBusyTest(std::function<bool()> test) { busyTest() = std::move(test); }

bool BusyGate::isBusy() { return busyTest() && busyTest()(); }

void BusyGate::deferClose(std::function<void()> close) {
    auto* timer = new QTimer;
    timer->setInterval(50);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, close = std::move(close)] {
        if (isBusy()) return;
        timer->stop();
        timer->deleteLater();
        close();
    });
    timer->start();
}

} // namespace platform
