#include "platform/dialogs_filter.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(ServicesDialogsFilter, ClassicFiltersBecomeQtFilters) {
    struct Row {
        const char* classic;
        const char* qt;
    };
    const Row rows[] = {
        // The filters the system writes.
        {"*.osm", "*.osm"},
        {"*.vnk", "*.vnk"},
        {"*.bmp", "*.bmp"},
        {"GPX (*.gpx)|*.gpx", "GPX (*.gpx)"},
        // Several entries, the catch-all pattern, pattern lists.
        {"Description (*.gpx)|*.gpx|All|*.*", "Description (*.gpx);;All (*)"},
        {"All files (*.*)|*.*", "All files (*)"},
        {"Pictures (*.bmp;*.jpg)|*.bmp;*.jpg", "Pictures (*.bmp *.jpg)"},
        {"Maps|*.osm; *.vnk;", "Maps (*.osm *.vnk)"},
        {"*.*", "*"},
        // A description whose parentheses hold no pattern keeps them.
        {"Text (plain)|*.txt", "Text (plain) (*.txt)"},
        // Missing pieces.
        {"", ""},
        {"OSM|", "OSM (*)"},
        {"|*.gpx", "*.gpx"},
        {"OSM (*.osm)|*.osm|*.vnk", "OSM (*.osm);;*.vnk"},
        // Bytes that are not UTF-8 are Windows-1252 text.
        {"Gro\xDF|*.osm", "Gro\u00DF (*.osm)"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(qtNameFilter(row.classic), QString::fromUtf8(row.qt)) << row.classic;
    }
}

} // namespace
} // namespace platform
