#include "platform/form.h"

#include "platform/busy.h"
#include "platform/canvascolour.h"
#include "platform/control_dispatch.h"
#include "platform/control_keys.h"
#include "platform/qtext.h"

#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScopeGuard>
#include <QScreen>
#include <QWindow>

namespace platform {
namespace {

constexpr size_t kWheelQueue = 16;

Form* gActiveForm = nullptr;

} // namespace

// The form's window: hands the form its close requests, activation, hiding and keys.
class FormWindow : public QMainWindow {
public:
    explicit FormWindow(Form& form) : form_(&form) {}
    void forget() { form_ = nullptr; }

protected:
    bool event(QEvent* event) override {
        if (form_ && event->type() == QEvent::WindowActivate) form_->windowActivated();
        return QMainWindow::event(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (form_ && event->type() == QEvent::KeyPress && watched == windowHandle()) {
            return form_->keyPressed(static_cast<QKeyEvent&>(*event));
        }
        return QMainWindow::eventFilter(watched, event);
    }

    void showEvent(QShowEvent* event) override {
        if (windowHandle() && !filtering_) {
            windowHandle()->installEventFilter(this);
            filtering_ = true;
        }
        QMainWindow::showEvent(event);
    }

    // A minimised window is hidden by the system (a spontaneous event); it stays shown for the
    // program and a modal show goes on waiting.
    void hideEvent(QHideEvent* event) override {
        QMainWindow::hideEvent(event);
        if (form_ && !event->spontaneous()) form_->windowHidden();
    }

    // The window goes only when its form was unloaded: the application's quit, which closes
    // every window, is refused by a window that stays.
    void closeEvent(QCloseEvent* event) override { event->setAccepted(form_ && form_->closeRequested()); }

private:
    Form* form_;
    bool filtering_ = false;
};

Form::Form(std::string name) : name_(std::move(name)), window_(new FormWindow(*this)) {
    auto* client = new ContainerWidget(*this, window_);
    client->setAutoFillBackground(false);
    window_->setCentralWidget(client);
    setHost(client);
}

Form::~Form() {
    *alive_ = false;
    if (gActiveForm == this) gActiveForm = nullptr;
    if (modalLoop_) modalLoop_->quit();
    menus_.clear();
    if (window_) {
        window_->forget();
        window_->hide();
        window_->deleteLater();
    }
}

QMainWindow* Form::window() const {
    return window_.data();
}

void Form::setCaption(std::string caption) {
    caption_ = std::move(caption);
    window_->setWindowTitle(bytesToQString(caption_));
}

int Form::windowState() const {
    const Qt::WindowStates state = window_->windowState();
    if (state & Qt::WindowMinimized) return 1;
    if (state & Qt::WindowMaximized) return 2;
    return 0;
}

void Form::setWindowState(int state) {
    checkPropertyRange(state, 0, 2);
    windowState_ = state;
    window_->setWindowState(state == 1   ? Qt::WindowMinimized
                            : state == 2 ? Qt::WindowMaximized
                                         : Qt::WindowNoState);
    // A form maximised before it is shown (in its Load) takes the screen's size at once, so that
    // its layout reads the client size it will have.
    if (state == 2 && !window_->isVisible()) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            window_->setGeometry(screen->availableGeometry());
        if (QLayout* layout = window_->layout()) {
            layout->invalidate();
            layout->activate();
        }
        hostResized();
    }
}

void Form::setBackColor(std::int32_t colour) {
    checkColour(colour);
    backColor_ = colour;
    invalidateAll();
}

void Form::setFixedClientSize(double width, double height) {
    host()->setFixedSize(static_cast<int>(lengthToPixelsX(width)), static_cast<int>(lengthToPixelsY(height)));
    window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    hostResized();
}

void Form::setIcon(const QImage& icon) {
    window_->setWindowIcon(QIcon(QPixmap::fromImage(icon)));
}

Menu& Form::addMenu(std::string name, std::string caption) {
    menus_.push_back(std::make_unique<Menu>(std::move(name), std::move(caption)));
    Menu& menu = *menus_.back();
    window_->menuBar()->addAction(menu.action());
    return menu;
}

void Form::popupMenu(Menu& menu) {
    menu.qmenu()->exec(QCursor::pos());
}

bool Form::visible() const {
    return window_->isVisible();
}

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    if (onLoad) onLoad();
}

void Form::show(bool modal) {
    load();
    if (!loaded_) return;
    if (!window_->isVisible()) {
        window_->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
        setWindowState(windowState_);
        window_->show();
        window_->activateWindow();
    }
    if (!modal || modalLoop_) return;
    QEventLoop loop;
    modalLoop_ = &loop;
    const std::shared_ptr<bool> alive = alive_;
    loop.exec();
    if (*alive) modalLoop_ = nullptr;
}

void Form::hide() {
    window_->hide();
}

bool Form::unload() {
    if (!loaded_) return true;
    // A close while the Unload runs is this very unload (its own quit closing every window): the
    // user has agreed already and is not asked again.
    if (unloading_) return true;
    bool cancel = false;
    if (onQueryUnload) onQueryUnload(cancel);
    if (cancel) return false;
    unloading_ = true;
    const auto unloaded = qScopeGuard([this] { unloading_ = false; });
    if (onUnload) onUnload();
    loaded_ = false;
    hide();
    return true;
}

int Form::takeMouseWheel() {
    if (wheel_.empty()) return 0;
    const int delta = wheel_.front();
    wheel_.pop_front();
    return delta;
}

void Form::raiseOwnMouse(MouseAction action, int button, int shift, double x, double y) {
    const MouseHandler& handler = action == MouseAction::Down   ? onMouseDown
                                  : action == MouseAction::Move ? onMouseMove
                                                                : onMouseUp;
    if (handler) handler(button, shift, x, y);
}

void Form::raiseOwnClick() {
    if (onClick) onClick();
}

void Form::raiseOwnDblClick() {
    if (onDblClick) onDblClick();
}

void Form::paintBackground(QPainter& painter, const QRect& dirty) {
    painter.fillRect(dirty, toQColor(backColor_));
}

bool Form::closeRequested() {
    if (BusyGate::isBusy()) {
        if (closeDeferred_) return false;
        closeDeferred_ = true;
        BusyGate::deferClose([this, guard = window_] {
            if (!guard) return;
            closeDeferred_ = false;
            runFromEventLoop([this] { unload(); });
        });
        return false;
    }
    bool unloaded = false;
    runFromEventLoop([&] { unloaded = unload(); });
    return unloaded;
}

void Form::windowActivated() {
    if (gActiveForm == this) return;
    gActiveForm = this;
    runFromEventLoop([this] {
        if (onActivate) onActivate();
    });
}

void Form::windowHidden() {
    if (gActiveForm == this) gActiveForm = nullptr;
    if (modalLoop_) modalLoop_->quit();
}

bool Form::hostWheel(int delta) {
    if (delta == 0 || BusyGate::isBusy()) return true;
    if (wheel_.size() == kWheelQueue) wheel_.pop_front();
    wheel_.push_back(delta);
    return true;
}

bool Form::keyPressed(QKeyEvent& event) {
    QWidget* focus = window_->focusWidget();
    const bool controlFocused = focus && focus != window_ && focus != host();
    if ((!keyPreview_ && controlFocused) || !userEventAllowed(false)) return false;
    bool swallow = false;
    runFromEventLoop([&] {
        if (int code = keyCode(event); code != 0 && onKeyDown) {
            onKeyDown(code, shiftMask(event.modifiers()));
            if (code == 0) {
                swallow = true;
                return;
            }
        }
        if (int ascii = keyAscii(event); ascii >= 0 && onKeyPress) {
            onKeyPress(ascii);
            swallow = ascii == 0;
        }
    });
    return swallow;
}

} // namespace platform
