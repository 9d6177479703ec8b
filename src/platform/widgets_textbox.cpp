#include "platform/widgets_textbox.h"

#include "platform/container.h"
#include "platform/control_dispatch.h"
#include "platform/control_hooked.h"
#include "platform/qtext.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace platform {
namespace {

QString shownText(const std::string& text, bool multiLine) {
    QString shown = toQString(text);
    if (multiLine) shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace

TextBox::TextBox(Container& container, std::string name, bool multiLine)
    : WindowedControl(container, std::move(name)), multiLine_(multiLine) {
    if (multiLine_) {
        auto* edit = new HookedView<QPlainTextEdit>(*this, container.host());
        QObject::connect(edit, &QPlainTextEdit::textChanged, signalContext(),
                         [this, edit] { userEdited(edit->toPlainText()); });
        attachWidget(edit);
    } else {
        auto* edit = new Hooked<QLineEdit>(*this, container.host());
        QObject::connect(edit, &QLineEdit::textEdited, signalContext(),
                         [this](const QString& shown) { userEdited(shown); });
        attachWidget(edit);
    }
}

void TextBox::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    if (QWidget* w = widget()) {
        const QSignalBlocker quiet(w);
        if (multiLine_) {
            static_cast<QPlainTextEdit*>(w)->setPlainText(shownText(text_, true));
        } else {
            static_cast<QLineEdit*>(w)->setText(shownText(text_, false));
        }
    }
    raiseChange();
}

void TextBox::setLocked(bool locked) {
    locked_ = locked;
    if (QWidget* w = widget()) {
        if (multiLine_) {
            static_cast<QPlainTextEdit*>(w)->setReadOnly(locked);
        } else {
            static_cast<QLineEdit*>(w)->setReadOnly(locked);
        }
    }
}

void TextBox::userEdited(const QString& shown) {
    std::string text = fromQString(shown);
    if (multiLine_) {
        std::string withReturns;
        withReturns.reserve(text.size());
        for (char c : text) {
            if (c == '\n') withReturns += '\r';
            withReturns += c;
        }
        text = std::move(withReturns);
    }
    if (text == text_) return;
    text_ = std::move(text);
    runUserEvent(runsWhileBusy(), [this] { raiseChange(); });
}

void TextBox::raiseChange() {
    if (onChange) onChange();
}

bool TextBox::keyTyped(int& keyAscii) {
    if (const ArrayEvents* events = arrayEvents()) {
        if (events->onKeyPress) events->onKeyPress(index(), keyAscii);
    } else if (onKeyPress) {
        onKeyPress(keyAscii);
    }
    return keyAscii != 0;
}

} // namespace platform
