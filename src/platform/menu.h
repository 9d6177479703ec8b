#pragma once
// Menus: the top-level menus of a form's menu bar (Form::addMenu), their items, menu arrays
// (items sharing one name, told apart by Index, with one Click(Index) handler) and pop-up menus
// (Form::popupMenu shows a top-level menu at the cursor, also one that is not Visible on the bar).
//
// Caption "-" makes an item a separator. Checked shows a check mark; a click does not change it
// (the handler does). Enabled false greys an item, or a whole top-level menu so that it cannot
// open; Visible false hides it. A click is a user event, dropped while the program is busy
// unless the item runs while busy.

#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace platform {

class MenuArray;

// What top-level menus and their items share.
class MenuEntry {
public:
    MenuEntry(const MenuEntry&) = delete;
    MenuEntry& operator=(const MenuEntry&) = delete;
    virtual ~MenuEntry();

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);

    // The Qt action that stands for the entry in its menu or on the menu bar.
    QAction* action() const { return action_; }

protected:
    MenuEntry(std::string name, std::string caption);
    void attachAction(QAction* action);

private:
    std::string name_;
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    QPointer<QAction> action_;
};

class MenuItem : public MenuEntry {
public:
    std::function<void()> onClick;

    ~MenuItem() override;

    // -1 for an item that is no element of a menu array.
    int index() const { return index_; }
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    bool runsWhileBusy() const { return runsWhileBusy_; }
    void setRunsWhileBusy(bool runs) { runsWhileBusy_ = runs; }

    // Runs the item's Click, or its array's Click(Index).
    void raiseClick();

private:
    friend class Menu;
    friend class MenuArray;

    MenuItem(QMenu& menu, std::string name, std::string caption);
    void triggered();

    int index_ = -1;
    const MenuArray* array_ = nullptr;
    bool checked_ = false;
    bool runsWhileBusy_ = false;
    std::unique_ptr<QAction> ownAction_;
};

class Menu : public MenuEntry {
public:
    Menu(std::string name, std::string caption);
    ~Menu() override;

    MenuItem& addItem(std::string name, std::string caption);
    QMenu* qmenu() const { return menu_.get(); }

private:
    std::unique_ptr<QMenu> menu_;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

class MenuArray {
public:
    std::function<void(int index)> onClick;

    explicit MenuArray(std::string name);
    MenuArray(const MenuArray&) = delete;
    MenuArray& operator=(const MenuArray&) = delete;

    // Adds element `index` at the end of `menu`; an index already there is fault 360.
    MenuItem& add(Menu& menu, int index, std::string caption);
    bool exists(int index) const;
    // Fault 340 for an index that is not there.
    MenuItem& operator[](int index) const;
    int ubound() const { return static_cast<int>(items_.size()) - 1; }

private:
    std::string name_;
    std::vector<MenuItem*> items_;
};

} // namespace platform
