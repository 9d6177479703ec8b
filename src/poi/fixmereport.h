#pragma once
// The FIXME report: after each import the FIXME texts of the file are appended to
// fixme.txt in the data folder, one block per import, the older first. Nothing reads it back.

#include <optional>
#include <string>
#include <string_view>

namespace core {
class MapWindow;
}

namespace poi {

// "~", the file title of curFile, CR LF, the escaped fixmeList restored, CR LF.
std::string fixmeRecord(std::string_view curFile, std::string_view fixmeList);

// Appends the record to dataFolder & "/fixme.txt", created when missing; nothing when fixmeList
// is empty. Instances append one at a time, and a failed write leaves the file as it was, with
// what others appended. A link at that name is refused with a message naming the file, which is
// given back; other failures are passed over.
std::optional<std::string> appendFixmeReport(const std::string& dataFolder, std::string_view curFile,
                                             std::string_view fixmeList);

// The report of the current file (`curFile`, the escaped `fixmeList`) appended to the data
// folder's fixme.txt, with the window's pending events processed around the write; a refused
// link is reported.
void fixme(core::MapWindow& map);

} // namespace poi
