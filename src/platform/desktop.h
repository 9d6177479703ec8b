#pragma once
// Handing a document or an address to the desktop's program for it: a KML file to the globe
// viewer, a web page to the browser. Production runs the desktop's opener and tells the user when
// it fails; tests record.

#include <QUrl>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// The URL the desktop gets for a target: an address with a scheme ("https://...", "mailto:...")
// as it is, anything else as a local file (made absolute); an empty target gives an invalid URL.
QUrl desktopUrl(const std::string& target);

class Desktop {
public:
    virtual ~Desktop() = default;
    // Whether the target was handed over; an empty target is not.
    virtual bool open(const std::string& target) = 0;
};

// Runs the desktop's opener, xdg-open, with the target's address, or its path for a local file,
// and never waits for it. Qt's own desktop services start their opener detached and answer true
// even when no browser opens the page (none installed, or the program runs as root): here an
// opener that cannot start, or that ends with a failure, brings one message naming the target.
class QtDesktop : public Desktop {
public:
    // Whether the target was handed to the opener; whether the opener then failed is told later.
    bool open(const std::string& target) override;
};

// Keeps every target asked for and answers as the desktop would have been asked.
class RecordingDesktop : public Desktop {
public:
    bool open(const std::string& target) override;
    const std::vector<std::string>& targets() const { return targets_; }

private:
    std::vector<std::string> targets_;
};

Desktop& desktop();

// Installs `next` (nullptr: back to QtDesktop) and hands back the previous instance.
std::unique_ptr<Desktop> setDesktop(std::unique_ptr<Desktop> next);

} // namespace platform
