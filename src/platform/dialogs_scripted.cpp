#include "platform/dialogs_scripted.h"

#include <QImage>
#include <stdexcept>

namespace platform {
namespace {

template <typename T> T take(std::deque<T>& answers, const char* dialog, const std::string& text) {
    if (answers.empty()) {
        throw std::logic_error(std::string("unscripted ") + dialog + " \"" + text + "\"");
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

ShownDialog& ScriptedDialogs::record(DialogKind kind) {
    ShownDialog& shown = shown_.emplace_back();
    shown.kind = kind;
    return shown;
}

size_t ScriptedDialogs::unusedAnswers() const {
    return msgBoxAnswers_.size() + openAnswers_.size() + saveAnswers_.size() + colourAnswers_.size() +
           folderAnswers_.size() + printAnswers_.size();
}

int ScriptedDialogs::showMsgBox(std::string_view text, int style, std::string_view title) {
    ShownDialog& shown = record(DialogKind::MsgBox);
    shown.text = std::string(text);
    shown.title = std::string(title);
    shown.style = style;
    int answer = take(msgBoxAnswers_, "message box", shown.text);
    if (!answerFits(style, answer)) {
        throw std::logic_error("scripted answer " + std::to_string(answer) +
                               " is no button of message box \"" + shown.text + "\"");
    }
    return answer;
}

std::optional<std::string> ScriptedDialogs::openFile(const FileDialogRequest& request) {
    record(DialogKind::OpenFile).request = request;
    return take(openAnswers_, "open dialog", request.title + " " + request.filter);
}

std::optional<std::string> ScriptedDialogs::saveFile(const FileDialogRequest& request) {
    record(DialogKind::SaveFile).request = request;
    return take(saveAnswers_, "save dialog", request.title + " " + request.filter);
}

std::optional<std::int32_t> ScriptedDialogs::chooseColour(std::int32_t initial) {
    record(DialogKind::Colour).initialColour = initial;
    return take(colourAnswers_, "colour dialog", std::to_string(initial));
}

std::optional<std::string> ScriptedDialogs::chooseFolder(const std::string& start, const std::string& title) {
    ShownDialog& shown = record(DialogKind::Folder);
    shown.text = start;
    shown.title = title;
    return take(folderAnswers_, "folder dialog", title + " " + start);
}

bool ScriptedDialogs::printImage(const QImage& image, bool landscape, bool paperA4) {
    ShownDialog& shown = record(DialogKind::Print);
    shown.imageSize = image.size();
    shown.landscape = landscape;
    shown.paperA4 = paperA4;
    return take(printAnswers_, "printer dialog",
                std::to_string(image.width()) + "x" + std::to_string(image.height()));
}

void ScriptedDialogs::printPreview(const std::function<void(QPrinter&)>&) {
    record(DialogKind::PrintPreview);
}

} // namespace platform
