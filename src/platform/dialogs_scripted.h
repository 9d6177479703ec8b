#pragma once
// Dialogs for tests: every dialog takes the next answer scripted for its kind, in order, and is
// recorded with what it showed. A dialog without a scripted answer is a fault of the test and
// throws std::logic_error naming the dialog and its text.

#include "platform/dialogs.h"

#include <QSize>
#include <deque>
#include <vector>

namespace platform {

enum class DialogKind { MsgBox, OpenFile, SaveFile, Colour, Folder, Print, PrintPreview };

// What one dialog showed; only the fields of its kind are set.
struct ShownDialog {
    DialogKind kind = DialogKind::MsgBox;
    std::string text;  // message box text; folder dialog: the start folder
    std::string title; // message box (after the default title) and folder dialog
    int style = 0;     // message box buttons and icon flags
    FileDialogRequest request;
    std::int32_t initialColour = 0;
    QSize imageSize;
    bool landscape = false;
    bool paperA4 = false;
};

class ScriptedDialogs : public Dialogs {
public:
    // Scripting: an answer per future dialog of that kind. A message box answer must be one of
    // the box's buttons, or the box throws.
    void scriptMsgBox(int answer) { msgBoxAnswers_.push_back(answer); }
    void scriptOpenFile(std::optional<std::string> answer) { openAnswers_.push_back(std::move(answer)); }
    void scriptSaveFile(std::optional<std::string> answer) { saveAnswers_.push_back(std::move(answer)); }
    void scriptColour(std::optional<std::int32_t> answer) { colourAnswers_.push_back(answer); }
    void scriptFolder(std::optional<std::string> answer) { folderAnswers_.push_back(std::move(answer)); }
    void scriptPrint(bool printed) { printAnswers_.push_back(printed); }

    const std::vector<ShownDialog>& shown() const { return shown_; }
    // Scripted answers no dialog has taken yet, over all kinds.
    size_t unusedAnswers() const;

    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::optional<std::int32_t> chooseColour(std::int32_t initial) override;
    std::optional<std::string> chooseFolder(const std::string& start, const std::string& title) override;
    bool printImage(const QImage& image, bool landscape, bool paperA4) override;
    // Recorded only: the document is not painted.
    void printPreview(const std::function<void(QPrinter&)>& print) override;

protected:
    int showMsgBox(std::string_view text, int style, std::string_view title) override;

private:
    ShownDialog& record(DialogKind kind);

    std::deque<int> msgBoxAnswers_;
    std::deque<std::optional<std::string>> openAnswers_;
    std::deque<std::optional<std::string>> saveAnswers_;
    std::deque<std::optional<std::int32_t>> colourAnswers_;
    std::deque<std::optional<std::string>> folderAnswers_;
    std::deque<bool> printAnswers_;
    std::vector<ShownDialog> shown_;
};

} // namespace platform
