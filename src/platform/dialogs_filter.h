#pragma once
// The file dialogs' filter, from the classic form the system writes to the form Qt reads.

#include <QString>
#include <string_view>

namespace platform {

// "Description (*.gpx)|*.gpx|All|*.*" becomes "Description (*.gpx);;All (*)": each description
// is followed by its patterns in parentheses (a trailing pattern group of its own is replaced),
// ";" between patterns becomes a blank and "*.*" becomes "*". A description without a pattern
// after it ("*.osm" alone) is its own pattern; an empty filter stays empty (all files).
QString qtNameFilter(std::string_view classic);

} // namespace platform
