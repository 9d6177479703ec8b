#pragma once
// The project file writer: every item of ProjectData in file order, one value per line ended by
// CR LF, numbers in the print form of their type with nothing after them, counts and captions
// in the plain form where the file holds them so, free texts escaped by escapeField. The layout is
// described item by item in docs/PROJECT_FILE.md.

#include "import/projectdata.h"
#include "import/projectsplit.h"

#include <functional>
#include <optional>
#include <string>

namespace osmimport {

// The bytes of the project file. quote is the import's quote character, which the Other Nodes
// text (T15) loses. The quest texts decide the AREA list (T11) and, when there is any quest
// marker, the area records (T16). A count larger than its array is fault 9 "Subscript out of
// range"; a floating value that is not finite (no reader could take it back) is fault 6
// "Overflow".
std::string projectFileBytes(const ProjectData& data, char quote, const RecordSplit& split = {});

// The same bytes handed to out in pieces of about a megabyte (a long text item in one piece),
// so that the whole file is never held in memory. The node, way and label records are formatted
// in chunks on split.workers threads and handed on in order.
void writeProjectFile(const ProjectData& data, char quote, const std::function<void(std::string_view)>& out,
                      const RecordSplit& split = {});

// Work to do while the project file's bytes, all written to the temporary file whose path it
// is given, are flushed to disk, which can take long on a slow disk. Whatever it makes of the
// file belongs to path only if the save then succeeds.
using WhileFlushed = std::function<void(const std::string& writtenPath)>;

// Writes the project file whole or not at all, piece by piece. Returns the message
// "Can't write '" & path & "'" when it could not be written; the file that was there stays as it
// was. With whileFlushed, the flush runs on a thread of its own while whileFlushed runs, and the
// rename over path follows.
std::optional<std::string> saveProjectFile(const std::string& path, const ProjectData& data, char quote,
                                           const WhileFlushed& whileFlushed = {});

// The area list the file stores: the entries the label step put into areaList, then each of the
// area lists of the classification that holds any way merged in with mergeHashLists (mode 2), in the
// order residential, wood, land area, unstyled area, building.
std::string mergeAreaLists(std::string areaList, std::string_view residentialList, std::string_view woodList,
                           std::string_view landAreaList, std::string_view unstyledAreaList,
                           std::string_view buildingList);

// The ways listed in the unclosed-area index list (",3,17,") get width 5, colour 0 and fill 0.
void markUnclosedAreas(ProjectData& data, std::string_view unclosedIndexList);

} // namespace osmimport
