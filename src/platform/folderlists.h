#pragma once
// The drive list and the folder list that a folder search is made with.
//
// Linux has no drives: the drive list offers the places a search starts from, the root "/",
// the home folder and the mounted volumes, each once, in that order. Drive is the chosen place;
// choosing another (the user, or an assignment in code) raises Change. Assigning a place the
// list does not hold is fault 68 "Device unavailable".
//
// The folder list shows the current folder Path as the chain of folders from "/" down to it,
// each indented one step further, followed by its subfolders by name (hidden ones left out).
// A click selects an entry; a double click opens the entry's folder: Path becomes that folder
// and Change runs. Assigning Path in code opens the folder as well; a path that is no folder is
// fault 76 "Path not found" and Path stays. List(i) holds the subfolders for i = 0 ..
// ListCount-1, Path itself for -1, its parent for -2, up to "/" (fault 381 beyond either end).
// MouseDown runs before a press selects anything.

#include "platform/control_windowed.h"

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QListWidget;

namespace platform {

// The places of the drive list: "/", then `home`, then `volumes`, without repeats or empties.
std::vector<std::string> driveEntries(const std::string& home, const std::vector<std::string>& volumes);

class DriveListBox : public WindowedControl {
public:
    std::function<void()> onChange;

    DriveListBox(Container& container, std::string name);
    ~DriveListBox() override;

    int listCount() const { return static_cast<int>(places_.size()); }
    // Fault 381 outside 0..ListCount-1.
    const std::string& list(int index) const;
    const std::string& drive() const { return places_[static_cast<std::size_t>(chosen_)]; }
    void setDrive(const std::string& place);

private:
    QComboBox* combo() const;
    void choose(int row);

    std::vector<std::string> places_;
    int chosen_ = 0;
};

class DirListBox : public WindowedControl {
public:
    std::function<void()> onChange;

    // Starts in the process's current folder.
    DirListBox(Container& container, std::string name);
    ~DirListBox() override;

    const std::string& path() const { return chain_.back(); }
    void setPath(const std::string& folder);

    int listCount() const { return static_cast<int>(subfolders_.size()); }
    const std::string& list(int index) const;

private:
    QListWidget* view() const;
    void open(const std::string& folder);
    void showFolders();

    std::vector<std::string> chain_; // "/" first, Path last
    std::vector<std::string> subfolders_;
};

} // namespace platform
