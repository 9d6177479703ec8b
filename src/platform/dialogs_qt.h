#pragma once
// The dialogs of a desktop session, shown modally over the active window with Qt's widgets.

#include "platform/dialogs.h"

namespace platform {

class QtDialogs : public Dialogs {
public:
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::optional<std::int32_t> chooseColour(std::int32_t initial) override;
    std::optional<std::string> chooseFolder(const std::string& start, const std::string& title) override;
    bool printImage(const QImage& image, bool landscape, bool paperA4) override;
    void printPreview(const std::function<void(QPrinter&)>& print) override;

protected:
    int showMsgBox(std::string_view text, int style, std::string_view title) override;
};

} // namespace platform
