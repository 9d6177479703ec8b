// The Qt dialogs, driven as a user would: a timer finds the modal dialog once it shows, checks
// what it shows and presses a button.
#include "platform/dialogs_qt.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace platform {
namespace {

// Hands the first modal dialog to `act`, which must close it. Any later modal dialog is one
// too many, and so is the first one still open after `act`: it is rejected (so the test cannot
// hang) and counted.
class NextModal {
public:
    explicit NextModal(std::function<void(QWidget*)> act) : act_(std::move(act)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || (modal == handled_ && !acted_)) return;
            if (handled_) {
                ++extra_;
                if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
                return;
            }
            handled_ = modal;
            // Queued, so that this timer can still watch the dialogs `act` may open in turn.
            QMetaObject::invokeMethod(
                modal,
                [this, modal] {
                    acted_ = true;
                    act_(modal);
                },
                Qt::QueuedConnection);
        });
        poll_.start(10);
    }

    bool acted() const { return acted_; }
    int extraDialogs() const { return extra_; }

private:
    std::function<void(QWidget*)> act_;
    QTimer poll_;
    QWidget* handled_ = nullptr;
    bool acted_ = false;
    int extra_ = 0;
};

TEST(ServicesQtDialogs, MessageBoxButtonsGiveTheClassicAnswers) {
    struct Row {
        int style;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton press;
        int answer;
    };
    const Row rows[] = {
        {msgbox::OkOnly, QMessageBox::Ok, QMessageBox::Ok, msgbox::Ok},
        {msgbox::OkCancel, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, msgbox::Cancel},
        {msgbox::YesNoCancel + msgbox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::No, msgbox::No},
        {msgbox::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel,
         msgbox::Cancel},
        {msgbox::YesNo, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, msgbox::Yes},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.style);
        QMessageBox::StandardButtons shownButtons;
        QString shownText, shownTitle;
        Qt::TextFormat format = Qt::AutoText;
        NextModal modal([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            ASSERT_NE(box, nullptr);
            shownButtons = box->standardButtons();
            shownText = box->text();
            shownTitle = box->windowTitle();
            format = box->textFormat();
            box->button(row.press)->click();
        });
        QtDialogs dialogs;
        EXPECT_EQ(dialogs.msgBox("<tag k='fixme'/>\r\nline two", row.style), row.answer);
        EXPECT_TRUE(modal.acted());
        EXPECT_EQ(shownButtons, row.buttons);
        EXPECT_EQ(shownText, QString("<tag k='fixme'/>\nline two"));
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_EQ(shownTitle, QString("Varnoke"));
    }
}

// Types a name into the file dialog's name box, as the user would.
void type(QFileDialog* dialog, const std::string& name) {
    auto* box = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(box, nullptr);
    box->setText(QString::fromStdString(name));
}

class ServicesQtFileDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        for (const char* name : {"leeds.osm", "notes.txt", "route.gpx"}) {
            QFile file(folder_.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    std::string dir() const { return folder_.path().toStdString(); }
    std::string path(const char* name) const { return folder_.filePath(name).toStdString(); }

    QTemporaryDir folder_;
};

TEST_F(ServicesQtFileDialogs, OpenStartsInTheFolderWithTheFilterAndGivesTheChoice) {
    QString shownDir, shownTitle;
    QStringList shownFilters;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptSave;
    NextModal modal([&](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        shownDir = dialog->directory().path();
        shownFilters = dialog->nameFilters();
        shownTitle = dialog->windowTitle();
        mode = dialog->acceptMode();
        type(dialog, path("leeds.osm"));
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it
    });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.openFile({dir(), "*.osm", "*.osm", "Open OSM"}), path("leeds.osm"));
    EXPECT_EQ(shownDir, QString::fromStdString(dir()));
    EXPECT_EQ(shownFilters, QStringList{"*.osm"});
    EXPECT_EQ(shownTitle, QString("Open OSM"));
    EXPECT_EQ(mode, QFileDialog::AcceptOpen);
    EXPECT_EQ(modal.extraDialogs(), 0);
}

TEST_F(ServicesQtFileDialogs, CancelGivesNothing) {
    NextModal modal([](QWidget* widget) { qobject_cast<QDialog*>(widget)->reject(); });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.openFile({dir(), "GPX (*.gpx)|*.gpx", "*.gpx;", ""}), std::nullopt);
    EXPECT_TRUE(modal.acted());
}

TEST_F(ServicesQtFileDialogs, SaveProposesTheNameAndLeavesTheOverwriteQuestionToTheCaller) {
    QStringList proposed;
    NextModal modal([&](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        proposed = dialog->selectedFiles();
        type(dialog, path("route.gpx"));         // an existing file
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it
    });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.saveFile({dir(), "*.gpx", "untitled.gpx", ""}), path("route.gpx"));
    EXPECT_EQ(proposed, QStringList{QString::fromStdString(path("untitled.gpx"))});
    EXPECT_EQ(modal.extraDialogs(), 0) << "the dialog asked about overwriting";
}

TEST(ServicesQtColourDialog, StartsAtTheColourAndGivesTheChoiceAsALong) {
    QColor shown;
    NextModal modal([&](QWidget* widget) {
        auto* dialog = qobject_cast<QColorDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        shown = dialog->currentColor();
        dialog->setCurrentColor(QColor(1, 2, 3));
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it
    });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.chooseColour(241 + 256 * 238 + 65536 * 232), 1 + 256 * 2 + 65536 * 3);
    EXPECT_EQ(shown, QColor(241, 238, 232));

    NextModal cancel([](QWidget* widget) { qobject_cast<QDialog*>(widget)->reject(); });
    EXPECT_EQ(dialogs.chooseColour(0), std::nullopt);
}

} // namespace
} // namespace platform
