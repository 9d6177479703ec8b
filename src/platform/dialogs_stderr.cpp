#include "platform/dialogs_stderr.h"

#include <iostream>

namespace platform {

StderrDialogs::StderrDialogs() : out_(std::cerr) {}

StderrDialogs::StderrDialogs(std::ostream& out) : out_(out) {}

int StderrDialogs::showMsgBox(std::string_view text, int style, std::string_view title) {
    out_ << title << ": " << text << '\n';
    return defaultAnswer(style);
}

std::optional<std::string> StderrDialogs::openFile(const FileDialogRequest&) {
    return std::nullopt;
}

std::optional<std::string> StderrDialogs::saveFile(const FileDialogRequest&) {
    return std::nullopt;
}

std::optional<std::int32_t> StderrDialogs::chooseColour(std::int32_t) {
    return std::nullopt;
}

std::optional<std::string> StderrDialogs::chooseFolder(const std::string&, const std::string&) {
    return std::nullopt;
}

bool StderrDialogs::printImage(const QImage&, bool, bool) {
    return false;
}

void StderrDialogs::printPreview(const std::function<void(QPrinter&)>&) {
    out_ << "print preview: not shown without a display\n";
}

} // namespace platform
