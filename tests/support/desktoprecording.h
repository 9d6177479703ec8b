#pragma once
// For the life of the object the desktop is one that records what it is handed; the desktop
// before comes back after.

#include "platform/desktop.h"

#include <memory>
#include <string>
#include <vector>

namespace testsupport {

class DesktopRecording {
public:
    DesktopRecording() {
        auto recording = std::make_unique<platform::RecordingDesktop>();
        recording_ = recording.get();
        previous_ = platform::setDesktop(std::move(recording));
    }
    ~DesktopRecording() { platform::setDesktop(std::move(previous_)); }
    DesktopRecording(const DesktopRecording&) = delete;
    DesktopRecording& operator=(const DesktopRecording&) = delete;

    const std::vector<std::string>& targets() const { return recording_->targets(); }

private:
    platform::RecordingDesktop* recording_ = nullptr;
    std::unique_ptr<platform::Desktop> previous_;
};

} // namespace testsupport
