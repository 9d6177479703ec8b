#include "platform/fontconfigload.h"

#include <fontconfig/fontconfig.h>
#include <memory>

namespace platform {
namespace {

std::mutex& loadGuard() {
    static std::mutex guard;
    return guard;
}

// Kept until the process ends, whose static destruction waits for it.
std::unique_ptr<EarlyWork>& fontConfigLoad() {
    static std::unique_ptr<EarlyWork> load;
    return load;
}

} // namespace

EarlyWork::EarlyWork(std::function<void()> work) : thread_(std::move(work)) {}

void EarlyWork::wait() {
    const std::lock_guard<std::mutex> lock(guard_);
    if (thread_.joinable()) thread_.join();
}

void startFontConfigLoad() {
    const std::lock_guard<std::mutex> lock(loadGuard());
    if (!fontConfigLoad()) fontConfigLoad() = std::make_unique<EarlyWork>([] { FcInit(); });
}

void awaitFontConfigLoad() {
    EarlyWork* load = nullptr;
    {
        const std::lock_guard<std::mutex> lock(loadGuard());
        load = fontConfigLoad().get();
    }
    if (load) load->wait();
}

} // namespace platform
