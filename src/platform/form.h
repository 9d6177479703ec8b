#pragma once
// A form: a top-level window whose client area is a container in twips (ScaleWidth and
// ScaleHeight are the client's size in twips), with a menu bar, the window events of the classic
// runtime and the form's own mouse and key events.
//
// Life: load() runs Load once per loading (show() loads first). show() shows the window;
// show(true) shows it modally and returns only when it is hidden or unloaded, running the event
// loop meanwhile. hide() hides it and keeps it loaded. unload() asks QueryUnload (which may set
// cancel), runs Unload and hides the window; the controls keep their objects, and the next show
// runs Load again. A close request from the window's close box is an unload; while the program
// is busy it is not carried out but handed to BusyGate::deferClose and carried out (QueryUnload
// included) once the busy operation has ended. A close request while Unload runs (its own quit of
// the application closing every window) lets the window go without asking QueryUnload again.
// Activate runs when the form becomes the active window of the program, coming from another form
// or from none.
//
// Keys: with KeyPreview the form's KeyDown(keyCode, shift) and KeyPress(keyAscii) run before the
// focused control sees the key; without it they run only when no control has the focus. Setting
// keyCode or keyAscii to 0 swallows the key. Key codes and characters: platform/control_keys.h.
// Key events are user events (busy-gated).
//
// The mouse wheel over the form (but not over a control that scrolls itself) is queued for the
// program to take with takeMouseWheel(), as the system polls it from a timer; wheel turns while
// the program is busy are dropped.
//
// WindowState: 0 normal, 1 minimised, 2 maximised; anything else is fault 380.

#include "platform/container.h"
#include "platform/control.h"
#include "platform/menu.h"

#include <QImage>
#include <QPointer>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QEventLoop;
class QMainWindow;

namespace platform {

class FormWindow;

class Form : public Container {
public:
    std::function<void()> onLoad;
    std::function<void()> onActivate;
    std::function<void(bool& cancel)> onQueryUnload;
    std::function<void()> onUnload;
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;

    explicit Form(std::string name);
    ~Form() override;

    const std::string& name() const { return name_; }
    QMainWindow* window() const;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    int windowState() const;
    void setWindowState(int state);
    std::int32_t backColor() const { return backColor_; }
    void setBackColor(std::int32_t colour);
    void setIcon(const QImage& icon);
    // A dialog's fixed border: the client area is `width` by `height` twips and cannot be resized.
    void setFixedClientSize(double width, double height);
    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool preview) { keyPreview_ = preview; }

    Menu& addMenu(std::string name, std::string caption);
    // Shows a top-level menu at the cursor and returns when it closes (after the item's Click).
    void popupMenu(Menu& menu);

    bool loaded() const { return loaded_; }
    bool visible() const;
    void load();
    void show(bool modal = false);
    void hide();
    // False when QueryUnload cancelled.
    bool unload();

    // The oldest queued wheel turn: positive away from the user, negative towards; 0 for none.
    int takeMouseWheel();

protected:
    void raiseOwnMouse(MouseAction action, int button, int shift, double x, double y) override;
    void raiseOwnClick() override;
    void raiseOwnDblClick() override;
    void raiseOwnDragOver(Control&, double, double) override {}
    void raiseOwnDragDrop(Control&, double, double) override {}
    bool ownRunsWhileBusy() const override { return false; }
    void paintBackground(QPainter& painter, const QRect& dirty) override;
    bool hostWheel(int delta) override;

private:
    friend class FormWindow;

    // Whether the form is unloaded now, so that its window may go.
    bool closeRequested();
    void windowActivated();
    void windowHidden();
    bool keyPressed(QKeyEvent& event);

    std::string name_;
    std::string caption_;
    QPointer<FormWindow> window_;
    std::vector<std::unique_ptr<Menu>> menus_;
    std::deque<int> wheel_;
    QEventLoop* modalLoop_ = nullptr;
    std::int32_t backColor_ = 0xF0F0F0;
    int windowState_ = 0;
    bool keyPreview_ = false;
    bool loaded_ = false;
    bool closeDeferred_ = false;
    bool unloading_ = false;
    // Cleared when the form goes, so that a modal show() outliving it does not touch it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace platform
