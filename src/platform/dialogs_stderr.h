#pragma once
// Dialogs for headless runs (benchmarks, batch checks): a message box is written to stderr and
// answered with its first button (OK or Yes); every other dialog counts as cancelled.

#include "platform/dialogs.h"

#include <iosfwd>

namespace platform {

class StderrDialogs : public Dialogs {
public:
    StderrDialogs();
    explicit StderrDialogs(std::ostream& out); // for tests

    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::optional<std::int32_t> chooseColour(std::int32_t initial) override;
    std::optional<std::string> chooseFolder(const std::string& start, const std::string& title) override;
    bool printImage(const QImage& image, bool landscape, bool paperA4) override;
    void printPreview(const std::function<void(QPrinter&)>& print) override;

protected:
    int showMsgBox(std::string_view text, int style, std::string_view title) override;

private:
    std::ostream& out_;
};

} // namespace platform
