#include "platform/dialogs_qt.h"

#include "platform/dialogs_filter.h"
#include "platform/printer.h"
#include "platform/qtext.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace platform {
namespace {

QWidget* owner() {
    return QApplication::activeWindow();
}

QMessageBox::StandardButtons standardButtons(int style) {
    switch (msgBoxButtons(style)) {
    case msgbox::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case msgbox::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case msgbox::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon icon(int style) {
    switch (style & 0x70) {
    case msgbox::Critical:
        return QMessageBox::Critical;
    case msgbox::Question:
        return QMessageBox::Question;
    case msgbox::Exclamation:
        return QMessageBox::Warning;
    case msgbox::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int answer(int pressed) {
    switch (pressed) {
    case QMessageBox::Cancel:
        return msgbox::Cancel;
    case QMessageBox::Yes:
        return msgbox::Yes;
    case QMessageBox::No:
        return msgbox::No;
    default:
        return msgbox::Ok;
    }
}

std::optional<std::string> runFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner(), toQString(request.title), bytesToQString(request.initDir));
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        // The callers ask "File exists. Wish to overwrite?" themselves.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    dialog.setNameFilter(qtNameFilter(request.filter));
    // A proposed pattern such as "*.osm" only repeats the filter; a proposed name is typed in.
    if (request.fileName.find_first_of("*?") == std::string::npos) {
        dialog.selectFile(bytesToQString(request.fileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return fromQString(dialog.selectedFiles().constFirst());
}

} // namespace

int QtDialogs::showMsgBox(std::string_view text, int style, std::string_view title) {
    QString shown = toQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon(style), toQString(title), shown, standardButtons(style), owner());
    // Problem texts hold raw tag markup, which must show as it is.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultAnswer(style) == msgbox::Yes ? QMessageBox::Yes : QMessageBox::Ok);
    return answer(box.exec());
}

std::optional<std::string> QtDialogs::openFile(const FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogs::saveFile(const FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<std::int32_t> QtDialogs::chooseColour(std::int32_t initial) {
    QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    QColor chosen = QColorDialog::getColor(start, owner());
    if (!chosen.isValid()) return std::nullopt;
    return chosen.red() + 256 * chosen.green() + 65536 * chosen.blue();
}

std::optional<std::string> QtDialogs::chooseFolder(const std::string& start, const std::string& title) {
    QString folder = QFileDialog::getExistingDirectory(owner(), toQString(title), bytesToQString(start));
    if (folder.isEmpty()) return std::nullopt;
    return fromQString(QDir::cleanPath(folder));
}

bool QtDialogs::printImage(const QImage& image, bool landscape, bool paperA4) {
    const auto orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(orientation);
    QPrintDialog dialog(&printer, owner());
    if (dialog.exec() != QDialog::Accepted) return false;
    // The map always goes out in the caller's orientation and paper, whatever was picked.
    printer.setPageOrientation(orientation);
    if (paperA4) printer.setPageSize(QPageSize(QPageSize::A4));
    return printImageOn(printer, image);
}

void QtDialogs::printPreview(const std::function<void(QPrinter&)>& print) {
    QPrintPreviewDialog dialog(owner());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&print](QPrinter* printer) { print(*printer); });
    dialog.exec();
}

} // namespace platform
