#include "platform/dialogs.h"

#include "platform/dialogs_qt.h"
#include "platform/dialogs_stderr.h"

#include <QApplication>

namespace platform {
namespace {

std::unique_ptr<Dialogs>& installed() {
    static std::unique_ptr<Dialogs> instance;
    return instance;
}

} // namespace

int msgBoxButtons(int style) {
    int buttons = style & 0x0F;
    switch (buttons) {
    case msgbox::OkCancel:
    case msgbox::YesNoCancel:
    case msgbox::YesNo:
        return buttons;
    default:
        return msgbox::OkOnly;
    }
}

bool answerFits(int style, int answer) {
    switch (msgBoxButtons(style)) {
    case msgbox::OkCancel:
        return answer == msgbox::Ok || answer == msgbox::Cancel;
    case msgbox::YesNoCancel:
        return answer == msgbox::Yes || answer == msgbox::No || answer == msgbox::Cancel;
    case msgbox::YesNo:
        return answer == msgbox::Yes || answer == msgbox::No;
    default:
        return answer == msgbox::Ok;
    }
}

int defaultAnswer(int style) {
    int buttons = msgBoxButtons(style);
    return buttons == msgbox::YesNoCancel || buttons == msgbox::YesNo ? msgbox::Yes : msgbox::Ok;
}

int Dialogs::msgBox(std::string_view text, int style, std::string_view title) {
    return showMsgBox(text, style, title.empty() ? kAppTitle : title);
}

Dialogs& dialogs() {
    auto& instance = installed();
    if (!instance) {
        // Widgets need a QApplication; without one a message can still reach the user on stderr.
        if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
            instance = std::make_unique<QtDialogs>();
        } else {
            instance = std::make_unique<StderrDialogs>();
        }
    }
    return *instance;
}

std::unique_ptr<Dialogs> setDialogs(std::unique_ptr<Dialogs> next) {
    std::swap(installed(), next);
    return next;
}

} // namespace platform
