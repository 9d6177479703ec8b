#include "platform/folderlists.h"

#include "basic/fault.h"
#include "platform/container.h"
#include "platform/control_dispatch.h"
#include "platform/control_hooked.h"
#include "platform/qtext.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <algorithm>

namespace platform {
namespace {

constexpr int kIndentBlanks = 2;

std::vector<std::string> mountedVolumes() {
    std::vector<std::string> roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady()) roots.push_back(fromQString(volume.rootPath()));
    return roots;
}

// The folders from "/" down to `folder` (an absolute, clean path).
std::vector<std::string> folderChain(const std::string& folder) {
    std::vector<std::string> chain{"/"};
    for (std::size_t slash = folder.find('/', 1); chain.back() != folder; slash = folder.find('/', slash + 1))
        chain.push_back(folder.substr(0, slash));
    return chain;
}

std::vector<std::string> subfoldersOf(const std::string& folder) {
    const QDir dir(bytesToQString(folder));
    std::vector<std::string> paths;
    for (const QString& name :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        paths.push_back(fromQString(dir.filePath(name)));
    return paths;
}

std::string lastName(const std::string& path) {
    return path == "/" ? path : path.substr(path.rfind('/') + 1);
}

} // namespace

std::vector<std::string> driveEntries(const std::string& home, const std::vector<std::string>& volumes) {
    std::vector<std::string> places{"/"};
    const auto add = [&](const std::string& place) {
        if (!place.empty() && std::find(places.begin(), places.end(), place) == places.end())
            places.push_back(place);
    };
    add(home);
    for (const std::string& volume : volumes)
        add(volume);
    return places;
}

DriveListBox::DriveListBox(Container& container, std::string name)
    : WindowedControl(container, std::move(name)),
      places_(driveEntries(fromQString(QDir::homePath()), mountedVolumes())) {
    auto* box = new Hooked<QComboBox>(*this, container.host());
    for (const std::string& place : places_)
        box->addItem(bytesToQString(place));
    QObject::connect(box, &QComboBox::activated, signalContext(),
                     [this](int row) { runUserEvent(runsWhileBusy(), [&] { choose(row); }); });
    attachWidget(box);
}

DriveListBox::~DriveListBox() {
    releaseWidget();
}

QComboBox* DriveListBox::combo() const {
    return static_cast<QComboBox*>(widget());
}

const std::string& DriveListBox::list(int index) const {
    if (index < 0 || index >= listCount()) basic::raise(basic::fault::InvalidPropertyArrayIndex);
    return places_[static_cast<std::size_t>(index)];
}

void DriveListBox::setDrive(const std::string& place) {
    const auto found = std::find(places_.begin(), places_.end(), place);
    if (found == places_.end()) basic::raise(basic::fault::DeviceUnavailable);
    choose(static_cast<int>(found - places_.begin()));
}

void DriveListBox::choose(int row) {
    if (row < 0 || row >= listCount()) return;
    if (QComboBox* box = combo()) {
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(row);
    }
    if (row == chosen_) return;
    chosen_ = row;
    if (onChange) onChange();
}

DirListBox::DirListBox(Container& container, std::string name)
    : WindowedControl(container, std::move(name)), chain_(folderChain(fromQString(QDir::currentPath()))),
      subfolders_(subfoldersOf(chain_.back())) {
    auto* list = new HookedView<QListWidget>(*this, container.host());
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(list, &QListWidget::itemDoubleClicked, signalContext(),
                     [this, list](QListWidgetItem* item) {
                         const int row = list->row(item);
                         const int chainRows = static_cast<int>(chain_.size());
                         const std::string folder =
                             row < chainRows ? chain_[static_cast<std::size_t>(row)]
                                             : subfolders_[static_cast<std::size_t>(row - chainRows)];
                         runFromEventLoop([&] { open(folder); });
                     });
    attachWidget(list);
    showFolders();
}

DirListBox::~DirListBox() {
    releaseWidget();
}

QListWidget* DirListBox::view() const {
    return static_cast<QListWidget*>(widget());
}

const std::string& DirListBox::list(int index) const {
    const int chainRows = static_cast<int>(chain_.size());
    if (index < -chainRows || index >= listCount()) basic::raise(basic::fault::InvalidPropertyArrayIndex);
    if (index < 0) return chain_[static_cast<std::size_t>(chainRows + index)];
    return subfolders_[static_cast<std::size_t>(index)];
}

void DirListBox::setPath(const std::string& folder) {
    const QFileInfo info(bytesToQString(folder));
    if (folder.empty() || !info.isDir()) basic::raise(basic::fault::PathNotFound);
    open(fromQString(QDir::cleanPath(info.absoluteFilePath())));
}

void DirListBox::open(const std::string& folder) {
    if (folder == path()) return;
    chain_ = folderChain(folder);
    subfolders_ = subfoldersOf(folder);
    showFolders();
    if (onChange) onChange();
}

void DirListBox::showFolders() {
    QListWidget* list = view();
    if (!list) return;
    const QSignalBlocker quiet(list);
    list->clear();
    int depth = 0;
    for (const std::string& folder : chain_)
        list->addItem(QString(kIndentBlanks * depth++, ' ') + bytesToQString(lastName(folder)));
    for (const std::string& folder : subfolders_)
        list->addItem(QString(kIndentBlanks * depth, ' ') + bytesToQString(lastName(folder)));
    list->setCurrentRow(static_cast<int>(chain_.size()) - 1);
}

} // namespace platform
